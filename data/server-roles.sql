/*
  Pellori address book: the access of a book shared on a server.

  data/schema.sql grants everything to PUBLIC: a single-file book is opened
  by the embedded engine, which checks no password, and the file's own
  permissions protect it. On a server any user of the server would be PUBLIC,
  so a shared book moves every grant of PUBLIC to two roles:

    PELLORI_EDITOR  whatever PUBLIC held: reads and changes contacts and
                    lookup lists
    PELLORI_READER  reads only: SELECT on the tables and views, EXECUTE on
                    the procedures and functions that read

  and PUBLIC keeps nothing. The grants are taken from what the book holds, so
  the schema is defined once and a table a later version adds is moved as
  well. Run as SYSDBA or the book's owner, after the schema:

    isql-fb -q -i data/server-roles.sql HOST:DATABASE

  Safe to run again: the roles are made once, and what PUBLIC no longer holds
  is not moved twice. Users get a role with GRANT role TO user
  (scripts/add-server-user.sh) and name it at the attach (key role of
  Pellori.ini).
*/

SET TERM ^ ;

EXECUTE BLOCK AS
BEGIN
  IF (NOT EXISTS(SELECT 1 FROM RDB$ROLES WHERE RDB$ROLE_NAME = 'PELLORI_EDITOR')) THEN
    EXECUTE STATEMENT 'CREATE ROLE PELLORI_EDITOR';
  IF (NOT EXISTS(SELECT 1 FROM RDB$ROLES WHERE RDB$ROLE_NAME = 'PELLORI_READER')) THEN
    EXECUTE STATEMENT 'CREATE ROLE PELLORI_READER';
END^

COMMIT^

/* Object types in RDB$USER_PRIVILEGES: 0 table or view, 5 procedure,
   14 generator, 15 function. The system's own objects keep their grants. */
EXECUTE BLOCK AS
  DECLARE kind SMALLINT;
  DECLARE privilege CHAR(1);
  DECLARE object_name VARCHAR(63);
  DECLARE column_name VARCHAR(63);
  DECLARE word VARCHAR(20);
  DECLARE target VARCHAR(100);
BEGIN
  FOR SELECT DISTINCT p.RDB$OBJECT_TYPE, p.RDB$PRIVILEGE, TRIM(p.RDB$RELATION_NAME), TRIM(p.RDB$FIELD_NAME)
        FROM RDB$USER_PRIVILEGES p
       WHERE p.RDB$USER = 'PUBLIC'
         AND ((p.RDB$OBJECT_TYPE = 0 AND EXISTS(SELECT 1 FROM RDB$RELATIONS o
                 WHERE o.RDB$RELATION_NAME = p.RDB$RELATION_NAME AND COALESCE(o.RDB$SYSTEM_FLAG, 0) = 0))
           OR (p.RDB$OBJECT_TYPE = 5 AND EXISTS(SELECT 1 FROM RDB$PROCEDURES o
                 WHERE o.RDB$PROCEDURE_NAME = p.RDB$RELATION_NAME AND COALESCE(o.RDB$SYSTEM_FLAG, 0) = 0))
           OR (p.RDB$OBJECT_TYPE = 14 AND EXISTS(SELECT 1 FROM RDB$GENERATORS o
                 WHERE o.RDB$GENERATOR_NAME = p.RDB$RELATION_NAME AND COALESCE(o.RDB$SYSTEM_FLAG, 0) = 0))
           OR (p.RDB$OBJECT_TYPE = 15 AND EXISTS(SELECT 1 FROM RDB$FUNCTIONS o
                 WHERE o.RDB$FUNCTION_NAME = p.RDB$RELATION_NAME AND COALESCE(o.RDB$SYSTEM_FLAG, 0) = 0)))
        INTO :kind, :privilege, :object_name, :column_name
  DO
  BEGIN
    word = DECODE(privilege, 'S', 'SELECT', 'I', 'INSERT', 'U', 'UPDATE', 'D', 'DELETE',
                             'R', 'REFERENCES', 'X', 'EXECUTE', 'G', 'USAGE')
           || COALESCE(' ("' || column_name || '")', '');
    target = DECODE(kind, 0, 'TABLE', 5, 'PROCEDURE', 14, 'GENERATOR', 15, 'FUNCTION')
             || ' "' || object_name || '"';
    EXECUTE STATEMENT 'GRANT ' || word || ' ON ' || target || ' TO ROLE PELLORI_EDITOR';
    IF (privilege IN ('S', 'X')) THEN
      EXECUTE STATEMENT 'GRANT ' || word || ' ON ' || target || ' TO ROLE PELLORI_READER';
    EXECUTE STATEMENT 'REVOKE ' || word || ' ON ' || target || ' FROM PUBLIC';
  END
END^

SET TERM ; ^

COMMIT;
