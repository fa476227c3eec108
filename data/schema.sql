/*
  Pellori address book: the database schema.

  Builds every table, generator, constraint, trigger and row source into an
  empty database created with SQL dialect 3 and default character set
  ISO8859_1, then seeds the lookup tables:

    isql-fb -q -i data/schema.sql DATABASE

  The file is ISO-8859-1 text (the seeded names carry umlauts); it loads the
  same with or without "-ch ISO8859_1".

  Relationships are plain foreign keys without cascades: the program deletes
  a contact's detail rows itself before the contact, and a delete that would
  leave rows behind is refused by the database, naming the constraint.
*/

SET SQL DIALECT 3;

/* ---------------------------------------------------------------- keys */

/* Contact keys: the program draws them itself when it creates a contact. */
CREATE GENERATOR G_OBJECT_O_ID;

/* Keys the database assigns on insert (see the BI triggers below). */
CREATE GENERATOR G_ADDRESS_A_ID;
CREATE GENERATOR G_COMMUNICATION_C_ID;
CREATE GENERATOR G_INTERNET_I_ID;
CREATE GENERATOR G_ADDRESSTYPE_AT_ID;
CREATE GENERATOR G_COMMUNICATIONTYPE_CT_ID;
CREATE GENERATOR G_INTERNETTYPE_IT_ID;
CREATE GENERATOR G_GROUPT_G_ID;
CREATE GENERATOR G_SALUTATION_S_ID;
CREATE GENERATOR G_TITLE_T_ID;

/* -------------------------------------------------------- lookup tables */

CREATE TABLE yesno (
  YN_ID CHAR(1) CHARACTER SET ISO8859_1 NOT NULL,
  CONSTRAINT PK_YESNO PRIMARY KEY (YN_ID),
  CONSTRAINT CHK_YESNO_YN_ID CHECK (YN_ID IN ('@', '-'))
);

CREATE TABLE addresstype (
  AT_ID     INTEGER NOT NULL,
  AT_NAME   VARCHAR(50) CHARACTER SET ISO8859_1 NOT NULL,
  AT_SORTID INTEGER NOT NULL,
  CONSTRAINT PK_ADDRESSTYPE PRIMARY KEY (AT_ID)
);

CREATE TABLE communicationtype (
  CT_ID     INTEGER NOT NULL,
  CT_NAME   VARCHAR(50) CHARACTER SET ISO8859_1 NOT NULL,
  CT_SORTID INTEGER NOT NULL,
  CONSTRAINT PK_COMMUNICATIONTYPE PRIMARY KEY (CT_ID)
);

CREATE TABLE internettype (
  IT_ID   INTEGER NOT NULL,
  IT_NAME VARCHAR(50) CHARACTER SET ISO8859_1 NOT NULL,
  IT_SORT INTEGER NOT NULL,
  CONSTRAINT PK_INTERNETTYPE PRIMARY KEY (IT_ID)
);

CREATE TABLE groupt (
  G_ID   INTEGER NOT NULL,
  G_NAME VARCHAR(50) CHARACTER SET ISO8859_1 NOT NULL,
  CONSTRAINT PK_GROUPT PRIMARY KEY (G_ID)
);

CREATE TABLE salutation (
  S_ID   INTEGER NOT NULL,
  S_NAME VARCHAR(50) CHARACTER SET ISO8859_1 NOT NULL,
  CONSTRAINT PK_SALUTATION PRIMARY KEY (S_ID)
);

CREATE TABLE title (
  T_ID   INTEGER NOT NULL,
  T_NAME VARCHAR(50) CHARACTER SET ISO8859_1 NOT NULL,
  CONSTRAINT PK_TITLE PRIMARY KEY (T_ID)
);

/* ------------------------------------------------------------- contacts */

CREATE TABLE object (
  O_ID         INTEGER NOT NULL,
  O_TYPE       CHAR(1) CHARACTER SET ISO8859_1 NOT NULL,
  O_NAME1      VARCHAR(60) CHARACTER SET ISO8859_1 NOT NULL,
  O_NAME2      VARCHAR(60) CHARACTER SET ISO8859_1,
  O_ADDITIONAL BLOB SUB_TYPE TEXT CHARACTER SET ISO8859_1,
  CONSTRAINT PK_OBJECT PRIMARY KEY (O_ID),
  CONSTRAINT CHK_OBJECT_O_TYPE CHECK (O_TYPE IN ('C', 'P'))
);

CREATE TABLE company (
  C_ID INTEGER NOT NULL,
  CONSTRAINT PK_COMPANY PRIMARY KEY (C_ID),
  CONSTRAINT FK_COMPANY_OBJECT FOREIGN KEY (C_ID) REFERENCES object (O_ID)
);

CREATE TABLE person (
  P_ID       INTEGER NOT NULL,
  P_SID      INTEGER NOT NULL,
  P_TID      INTEGER,
  P_BIRTHDAY DATE,
  P_NICKNAME VARCHAR(50) CHARACTER SET ISO8859_1,
  P_CID      INTEGER,
  P_ALIVE    CHAR(1) CHARACTER SET ISO8859_1 NOT NULL,
  CONSTRAINT PK_PERSON PRIMARY KEY (P_ID),
  CONSTRAINT FK_PERSON_OBJECT FOREIGN KEY (P_ID) REFERENCES object (O_ID),
  CONSTRAINT FK_PERSON_SALUTATION FOREIGN KEY (P_SID) REFERENCES salutation (S_ID),
  CONSTRAINT FK_PERSON_TITLE FOREIGN KEY (P_TID) REFERENCES title (T_ID),
  /* The editors recognise this one by its name. */
  CONSTRAINT FK5_PERSON FOREIGN KEY (P_CID) REFERENCES company (C_ID),
  CONSTRAINT CHK_PERSON_P_ALIVE CHECK (P_ALIVE IN ('@', '-'))
);

/* --------------------------------------------------------- detail rows */

CREATE TABLE address (
  A_ID       INTEGER NOT NULL,
  A_OID      INTEGER NOT NULL,
  A_ATID     INTEGER NOT NULL,
  A_PREF     CHAR(1) CHARACTER SET ISO8859_1 NOT NULL,
  A_POSTCODE BIGINT NOT NULL,
  A_TOWN     VARCHAR(100) CHARACTER SET ISO8859_1 NOT NULL,
  A_STREET   VARCHAR(100) CHARACTER SET ISO8859_1 NOT NULL,
  A_COUNTRY  VARCHAR(30) CHARACTER SET ISO8859_1,
  CONSTRAINT PK_ADDRESS PRIMARY KEY (A_ID),
  CONSTRAINT FK_ADDRESS_OBJECT FOREIGN KEY (A_OID) REFERENCES object (O_ID),
  CONSTRAINT FK_ADDRESS_ADDRESSTYPE FOREIGN KEY (A_ATID) REFERENCES addresstype (AT_ID),
  CONSTRAINT CHK_ADDRESS_A_PREF CHECK (A_PREF IN ('@', '-'))
);

CREATE TABLE communication (
  C_ID        INTEGER NOT NULL,
  C_OID       INTEGER NOT NULL,
  C_CTID      INTEGER NOT NULL,
  C_PREF      CHAR(1) CHARACTER SET ISO8859_1 NOT NULL,
  C_PREFIX    VARCHAR(10) CHARACTER SET ISO8859_1 NOT NULL,
  C_NUMBER    VARCHAR(20) CHARACTER SET ISO8859_1 NOT NULL,
  C_ASSISTENT VARCHAR(50) CHARACTER SET ISO8859_1,
  CONSTRAINT PK_COMMUNICATION PRIMARY KEY (C_ID),
  CONSTRAINT FK_COMMUNICATION_OBJECT FOREIGN KEY (C_OID) REFERENCES object (O_ID),
  CONSTRAINT FK_COMMUNICATION_TYPE FOREIGN KEY (C_CTID) REFERENCES communicationtype (CT_ID),
  /* One number per type and contact; the editors recognise it by its name. */
  CONSTRAINT UNQ_COMMUNICATION UNIQUE (C_OID, C_CTID),
  CONSTRAINT CHK_COMMUNICATION_C_PREF CHECK (C_PREF IN ('@', '-'))
);

CREATE TABLE internet (
  I_ID   INTEGER NOT NULL,
  I_OID  INTEGER NOT NULL,
  I_ITID INTEGER NOT NULL,
  I_NAME VARCHAR(100) CHARACTER SET ISO8859_1 NOT NULL,
  I_PREF CHAR(1) CHARACTER SET ISO8859_1 NOT NULL,
  CONSTRAINT PK_INTERNET PRIMARY KEY (I_ID),
  CONSTRAINT FK_INTERNET_OBJECT FOREIGN KEY (I_OID) REFERENCES object (O_ID),
  CONSTRAINT FK_INTERNET_TYPE FOREIGN KEY (I_ITID) REFERENCES internettype (IT_ID),
  /* One entry per type and contact; the editors recognise it by its name. */
  CONSTRAINT UNQ_INTERNET UNIQUE (I_OID, I_ITID),
  CONSTRAINT CHK_INTERNET_I_PREF CHECK (I_PREF IN ('@', '-'))
);

/* A membership has no key of its own: the pair is the key. */
CREATE TABLE belong2group (
  B2G_OID INTEGER NOT NULL,
  B2G_GID INTEGER NOT NULL,
  CONSTRAINT PK_BELONG2GROUP PRIMARY KEY (B2G_OID, B2G_GID),
  CONSTRAINT FK_BELONG2GROUP_OBJECT FOREIGN KEY (B2G_OID) REFERENCES object (O_ID),
  CONSTRAINT FK_BELONG2GROUP_GROUPT FOREIGN KEY (B2G_GID) REFERENCES groupt (G_ID)
);

/* ------------------------------------------------------------- triggers */

SET TERM ^ ;

/* The program inserts only the object row and then opens an editor that
   joins the detail row, so the detail row has to exist at once. A new person
   gets the first salutation and counts as alive until the user says more. */
CREATE TRIGGER OBJECT_AI FOR object
ACTIVE AFTER INSERT POSITION 0
AS
BEGIN
  IF (NEW.O_TYPE = 'P') THEN
    INSERT INTO person (P_ID, P_SID, P_ALIVE)
    VALUES (NEW.O_ID, (SELECT MIN(S_ID) FROM salutation), '@');
  ELSE IF (NEW.O_TYPE = 'C') THEN
    INSERT INTO company (C_ID) VALUES (NEW.O_ID);
END^

/* Row keys: the editors never supply them, or pass an empty (NULL) one. */
CREATE TRIGGER ADDRESS_BI FOR address
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
  IF (NEW.A_ID IS NULL) THEN NEW.A_ID = GEN_ID(G_ADDRESS_A_ID, 1);
END^

CREATE TRIGGER COMMUNICATION_BI FOR communication
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
  IF (NEW.C_ID IS NULL) THEN NEW.C_ID = GEN_ID(G_COMMUNICATION_C_ID, 1);
END^

CREATE TRIGGER INTERNET_BI FOR internet
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
  IF (NEW.I_ID IS NULL) THEN NEW.I_ID = GEN_ID(G_INTERNET_I_ID, 1);
END^

CREATE TRIGGER ADDRESSTYPE_BI FOR addresstype
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
  IF (NEW.AT_ID IS NULL) THEN NEW.AT_ID = GEN_ID(G_ADDRESSTYPE_AT_ID, 1);
END^

CREATE TRIGGER COMMUNICATIONTYPE_BI FOR communicationtype
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
  IF (NEW.CT_ID IS NULL) THEN NEW.CT_ID = GEN_ID(G_COMMUNICATIONTYPE_CT_ID, 1);
END^

CREATE TRIGGER INTERNETTYPE_BI FOR internettype
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
  IF (NEW.IT_ID IS NULL) THEN NEW.IT_ID = GEN_ID(G_INTERNETTYPE_IT_ID, 1);
END^

CREATE TRIGGER GROUPT_BI FOR groupt
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
  IF (NEW.G_ID IS NULL) THEN NEW.G_ID = GEN_ID(G_GROUPT_G_ID, 1);
END^

CREATE TRIGGER SALUTATION_BI FOR salutation
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
  IF (NEW.S_ID IS NULL) THEN NEW.S_ID = GEN_ID(G_SALUTATION_S_ID, 1);
END^

CREATE TRIGGER TITLE_BI FOR title
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
  IF (NEW.T_ID IS NULL) THEN NEW.T_ID = GEN_ID(G_TITLE_T_ID, 1);
END^

/* ----------------------------------------------------------- row sources */

/* The display name, composed in this one place: "Family, First" for a
   person, "Name1 Name2" for a company; a missing or blank second name
   leaves the first name line alone. The printed address books file a
   contact under the first letters of this name. */
CREATE FUNCTION F_CONTACT_NAME (
  O_TYPE  CHAR(1) CHARACTER SET ISO8859_1,
  O_NAME1 VARCHAR(60) CHARACTER SET ISO8859_1,
  O_NAME2 VARCHAR(60) CHARACTER SET ISO8859_1)
RETURNS VARCHAR(255) CHARACTER SET ISO8859_1
AS
BEGIN
  IF (O_NAME2 IS NULL OR TRIM(O_NAME2) = '') THEN
    RETURN O_NAME1;
  IF (O_TYPE = 'P') THEN
    RETURN O_NAME1 || ', ' || O_NAME2;
  RETURN O_NAME1 || ' ' || O_NAME2;
END^

/* One row per contact: the contact list, its searches and the address
   books. Companies count as alive and work nowhere. */
CREATE PROCEDURE p_view_company_and_person
RETURNS (
  O_ID         INTEGER,
  O_NAME       VARCHAR(255) CHARACTER SET ISO8859_1,
  O_TYPE       CHAR(1) CHARACTER SET ISO8859_1,
  O_NAME1      VARCHAR(60) CHARACTER SET ISO8859_1,
  O_NAME2      VARCHAR(60) CHARACTER SET ISO8859_1,
  O_TITLE      VARCHAR(50) CHARACTER SET ISO8859_1,
  O_NICKNAME   VARCHAR(50) CHARACTER SET ISO8859_1,
  O_ADDITIONAL BLOB SUB_TYPE TEXT CHARACTER SET ISO8859_1,
  O_CID        INTEGER,
  O_BIRTHDAY   DATE,
  O_ALIVE      CHAR(1) CHARACTER SET ISO8859_1)
AS
BEGIN
  FOR SELECT o.O_ID, F_CONTACT_NAME(o.O_TYPE, o.O_NAME1, o.O_NAME2),
             o.O_TYPE, o.O_NAME1, o.O_NAME2, t.T_NAME, p.P_NICKNAME,
             o.O_ADDITIONAL, p.P_CID, p.P_BIRTHDAY,
             CASE WHEN o.O_TYPE = 'P' THEN p.P_ALIVE ELSE '@' END
        FROM object o
        LEFT JOIN person p ON p.P_ID = o.O_ID AND o.O_TYPE = 'P'
        LEFT JOIN title t ON t.T_ID = p.P_TID
        INTO :O_ID, :O_NAME, :O_TYPE, :O_NAME1, :O_NAME2, :O_TITLE,
             :O_NICKNAME, :O_ADDITIONAL, :O_CID, :O_BIRTHDAY, :O_ALIVE
  DO
    SUSPEND;
END^

/* The persons who work at one company (the company editor's list). */
CREATE PROCEDURE p_view_person (C_ID INTEGER)
RETURNS (
  O_ID   INTEGER,
  O_NAME VARCHAR(255) CHARACTER SET ISO8859_1,
  O_TYPE CHAR(1) CHARACTER SET ISO8859_1)
AS
BEGIN
  FOR SELECT o.O_ID, F_CONTACT_NAME(o.O_TYPE, o.O_NAME1, o.O_NAME2), o.O_TYPE
        FROM person p
        JOIN object o ON o.O_ID = p.P_ID
       WHERE p.P_CID = :C_ID
        INTO :O_ID, :O_NAME, :O_TYPE
  DO
    SUSPEND;
END^

/* One row per company: the "works at" choice of the person editor. */
CREATE PROCEDURE p_company_combobox
RETURNS (
  C_ID   INTEGER,
  C_NAME VARCHAR(255) CHARACTER SET ISO8859_1)
AS
BEGIN
  FOR SELECT o.O_ID, F_CONTACT_NAME(o.O_TYPE, o.O_NAME1, o.O_NAME2)
        FROM company c
        JOIN object o ON o.O_ID = c.C_ID
        INTO :C_ID, :C_NAME
  DO
    SUSPEND;
END^

/* One row per person with a birthday. The age is the one reached on this
   year's birthday, which is what a birthday list announces. */
CREATE PROCEDURE p_view_birthday
RETURNS (
  O_ID       INTEGER,
  O_BIRTHDAY DATE,
  O_NICKNAME VARCHAR(50) CHARACTER SET ISO8859_1,
  O_NAME1    VARCHAR(60) CHARACTER SET ISO8859_1,
  O_NAME2    VARCHAR(60) CHARACTER SET ISO8859_1,
  O_TITLE    VARCHAR(50) CHARACTER SET ISO8859_1,
  O_NAME     VARCHAR(255) CHARACTER SET ISO8859_1,
  O_AGE      INTEGER,
  O_MONTH    INTEGER,
  O_DAY      INTEGER,
  O_ALIVE    CHAR(1) CHARACTER SET ISO8859_1)
AS
BEGIN
  FOR SELECT o.O_ID, p.P_BIRTHDAY, p.P_NICKNAME, o.O_NAME1, o.O_NAME2,
             t.T_NAME, F_CONTACT_NAME(o.O_TYPE, o.O_NAME1, o.O_NAME2),
             EXTRACT(YEAR FROM CURRENT_DATE) - EXTRACT(YEAR FROM p.P_BIRTHDAY),
             EXTRACT(MONTH FROM p.P_BIRTHDAY), EXTRACT(DAY FROM p.P_BIRTHDAY),
             p.P_ALIVE
        FROM person p
        JOIN object o ON o.O_ID = p.P_ID
        LEFT JOIN title t ON t.T_ID = p.P_TID
       WHERE p.P_BIRTHDAY IS NOT NULL
        INTO :O_ID, :O_BIRTHDAY, :O_NICKNAME, :O_NAME1, :O_NAME2, :O_TITLE,
             :O_NAME, :O_AGE, :O_MONTH, :O_DAY, :O_ALIVE
  DO
    SUSPEND;
END^

SET TERM ; ^

/* The months of the birthday list: one row per person with a birthday. */
CREATE VIEW v_birthday (O_ID, O_MONTH, O_DAY) AS
  SELECT p.P_ID,
         CAST(EXTRACT(MONTH FROM p.P_BIRTHDAY) AS INTEGER),
         CAST(EXTRACT(DAY FROM p.P_BIRTHDAY) AS INTEGER)
    FROM person p
   WHERE p.P_BIRTHDAY IS NOT NULL;

COMMIT;

/* --------------------------------------------------------------- access */

/* A single-user file opened by the embedded engine: whoever may open the
   file may use all of it, whatever user name the configuration gives. */
GRANT ALL ON yesno TO PUBLIC;
GRANT ALL ON addresstype TO PUBLIC;
GRANT ALL ON communicationtype TO PUBLIC;
GRANT ALL ON internettype TO PUBLIC;
GRANT ALL ON groupt TO PUBLIC;
GRANT ALL ON salutation TO PUBLIC;
GRANT ALL ON title TO PUBLIC;
GRANT ALL ON object TO PUBLIC;
GRANT ALL ON company TO PUBLIC;
GRANT ALL ON person TO PUBLIC;
GRANT ALL ON address TO PUBLIC;
GRANT ALL ON communication TO PUBLIC;
GRANT ALL ON internet TO PUBLIC;
GRANT ALL ON belong2group TO PUBLIC;
GRANT SELECT ON v_birthday TO PUBLIC;
GRANT EXECUTE ON FUNCTION F_CONTACT_NAME TO PUBLIC;
GRANT EXECUTE ON PROCEDURE p_view_company_and_person TO PUBLIC;
GRANT EXECUTE ON PROCEDURE p_view_person TO PUBLIC;
GRANT EXECUTE ON PROCEDURE p_company_combobox TO PUBLIC;
GRANT EXECUTE ON PROCEDURE p_view_birthday TO PUBLIC;
GRANT USAGE ON GENERATOR G_OBJECT_O_ID TO PUBLIC;
GRANT USAGE ON GENERATOR G_ADDRESS_A_ID TO PUBLIC;
GRANT USAGE ON GENERATOR G_COMMUNICATION_C_ID TO PUBLIC;
GRANT USAGE ON GENERATOR G_INTERNET_I_ID TO PUBLIC;
GRANT USAGE ON GENERATOR G_ADDRESSTYPE_AT_ID TO PUBLIC;
GRANT USAGE ON GENERATOR G_COMMUNICATIONTYPE_CT_ID TO PUBLIC;
GRANT USAGE ON GENERATOR G_INTERNETTYPE_IT_ID TO PUBLIC;
GRANT USAGE ON GENERATOR G_GROUPT_G_ID TO PUBLIC;
GRANT USAGE ON GENERATOR G_SALUTATION_S_ID TO PUBLIC;
GRANT USAGE ON GENERATOR G_TITLE_T_ID TO PUBLIC;

COMMIT;

/* ------------------------------------------------------------ first rows */

/* The keys are left to the triggers, so the generators stay in step with
   the rows: on a new database the first row of each table gets key 1, which
   is what the standard values of a new configuration point at. */

INSERT INTO yesno (YN_ID) VALUES ('@');
INSERT INTO yesno (YN_ID) VALUES ('-');

/* 1 Privat, 2 Geschäftlich, 3 Ferienwohnung, 4 Postfach */
INSERT INTO addresstype (AT_ID, AT_NAME, AT_SORTID) VALUES (NULL, 'Privat', 1);
INSERT INTO addresstype (AT_ID, AT_NAME, AT_SORTID) VALUES (NULL, 'Geschäftlich', 2);
INSERT INTO addresstype (AT_ID, AT_NAME, AT_SORTID) VALUES (NULL, 'Ferienwohnung', 3);
INSERT INTO addresstype (AT_ID, AT_NAME, AT_SORTID) VALUES (NULL, 'Postfach', 4);

/* 1 Telefon, 2 Telefon geschäftlich, 3 Mobil, 4 Mobil geschäftlich,
   5 Fax, 6 Fax geschäftlich */
INSERT INTO communicationtype (CT_ID, CT_NAME, CT_SORTID) VALUES (NULL, 'Telefon', 1);
INSERT INTO communicationtype (CT_ID, CT_NAME, CT_SORTID) VALUES (NULL, 'Telefon geschäftlich', 2);
INSERT INTO communicationtype (CT_ID, CT_NAME, CT_SORTID) VALUES (NULL, 'Mobil', 3);
INSERT INTO communicationtype (CT_ID, CT_NAME, CT_SORTID) VALUES (NULL, 'Mobil geschäftlich', 4);
INSERT INTO communicationtype (CT_ID, CT_NAME, CT_SORTID) VALUES (NULL, 'Fax', 5);
INSERT INTO communicationtype (CT_ID, CT_NAME, CT_SORTID) VALUES (NULL, 'Fax geschäftlich', 6);

/* 1 E-Mail, 2 E-Mail geschäftlich, 3 Homepage */
INSERT INTO internettype (IT_ID, IT_NAME, IT_SORT) VALUES (NULL, 'E-Mail', 1);
INSERT INTO internettype (IT_ID, IT_NAME, IT_SORT) VALUES (NULL, 'E-Mail geschäftlich', 2);
INSERT INTO internettype (IT_ID, IT_NAME, IT_SORT) VALUES (NULL, 'Homepage', 3);

/* 1 Ärzte (the doctors' address book), 2 Familie, 3 Freunde, 4 Kollegen,
   5 Handwerker, 6 Verein */
INSERT INTO groupt (G_ID, G_NAME) VALUES (NULL, 'Ärzte');
INSERT INTO groupt (G_ID, G_NAME) VALUES (NULL, 'Familie');
INSERT INTO groupt (G_ID, G_NAME) VALUES (NULL, 'Freunde');
INSERT INTO groupt (G_ID, G_NAME) VALUES (NULL, 'Kollegen');
INSERT INTO groupt (G_ID, G_NAME) VALUES (NULL, 'Handwerker');
INSERT INTO groupt (G_ID, G_NAME) VALUES (NULL, 'Verein');

/* 1 Herr (what a new person starts with), 2 Frau, 3 Familie */
INSERT INTO salutation (S_ID, S_NAME) VALUES (NULL, 'Herr');
INSERT INTO salutation (S_ID, S_NAME) VALUES (NULL, 'Frau');
INSERT INTO salutation (S_ID, S_NAME) VALUES (NULL, 'Familie');

/* 1 Dr., 2 Dr. med., 3 Dr. med. dent., 4 Prof., 5 Prof. Dr.,
   6 Dipl.-Ing., 7 Mag. */
INSERT INTO title (T_ID, T_NAME) VALUES (NULL, 'Dr.');
INSERT INTO title (T_ID, T_NAME) VALUES (NULL, 'Dr. med.');
INSERT INTO title (T_ID, T_NAME) VALUES (NULL, 'Dr. med. dent.');
INSERT INTO title (T_ID, T_NAME) VALUES (NULL, 'Prof.');
INSERT INTO title (T_ID, T_NAME) VALUES (NULL, 'Prof. Dr.');
INSERT INTO title (T_ID, T_NAME) VALUES (NULL, 'Dipl.-Ing.');
INSERT INTO title (T_ID, T_NAME) VALUES (NULL, 'Mag.');

COMMIT;
