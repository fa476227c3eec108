/*
  Pellori address book: demo contacts.

  Runs after schema.sql on a new database, with the connection character
  set matching this file's ISO-8859-1 text:

    isql-fb -q -ch ISO8859_1 -i data/demo.sql DATABASE

  Contacts carry explicit keys 1 to 52; the generator is moved past them at
  the end. Inserting an object row creates its person or company row (see
  the schema), so persons are filled in by an update afterwards.
  Lookup keys used: address types 1 Privat, 2 Geschäftlich, 3 Ferienwohnung,
  4 Postfach; communication types 1 Telefon, 2 Telefon geschäftlich, 3 Mobil,
  4 Mobil geschäftlich, 5 Fax, 6 Fax geschäftlich; internet types 1 E-Mail,
  2 E-Mail geschäftlich, 3 Homepage; groups 1 Ärzte, 2 Familie, 3 Freunde,
  4 Kollegen, 5 Handwerker, 6 Verein; salutations 1 Herr, 2 Frau; titles
  1 Dr., 2 Dr. med., 3 Dr. med. dent., 4 Prof., 5 Prof. Dr., 6 Dipl.-Ing., 7 Mag.
*/

/* ------------------------------------------------------------ companies */

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (1, 'C', '3D Druck', 'GmbH', 'Prototypen und Kleinserien.
Ansprechpartner: Frau Krüger');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (1, 2, '@', 1069, 'Dresden', 'Prager Straße 12', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (1, 2, '@', '0351', '4862910', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (1, 6, '@', '0351', '4862919', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (1, 2, 'info@3d-druck-dresden.de', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (1, 3, 'www.3d-druck-dresden.de', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (2, 'C', 'Ärztehaus am Park', NULL, 'Gemeinschaftspraxis, Sprechzeiten Mo-Fr 8-12 Uhr');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (2, 2, '@', 4109, 'Leipzig', 'Parkallee 3', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (2, 2, '@', '0341', '2290500', 'Frau Lange');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (2, 6, '@', '0341', '2290599', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (2, 2, 'praxis@aerztehaus-am-park.de', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (2, 3, 'www.aerztehaus-am-park.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (2, 1);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (3, 'C', 'Öko-Bäckerei', 'Sonnenkorn', NULL);
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (3, 2, '@', 79098, 'Freiburg im Breisgau', 'Gerberau 7', 'Deutschland');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (3, 4, '-', 79001, 'Freiburg im Breisgau', 'Postfach 1144', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (3, 2, '@', '0761', '383920', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (3, 3, 'www.sonnenkorn.de', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (4, 'C', 'Über-Land Spedition', 'GmbH & Co. KG', 'Lager: Halle 4, Tor 2');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (4, 2, '@', 28197, 'Bremen', 'Am Speicher XI 4', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (4, 2, '@', '0421', '5980110', 'Herr Becker');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (4, 4, '-', '0171', '4420981', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (4, 6, '@', '0421', '5980111', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (4, 2, 'dispo@ueberland-spedition.de', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (5, 'C', 'Élysée Optique', 'S.A.R.L.', NULL);
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (5, 2, '@', 75008, 'Paris', '12, rue du Faubourg Saint-Honoré', 'France');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (5, 2, '@', '+33 1', '42650011', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (5, 2, 'contact@elysee-optique.fr', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (5, 3, 'www.elysee-optique.fr', '-');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (6, 'C', 'Müller Elektrotechnik', 'GmbH', 'Notdienst rund um die Uhr');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (6, 2, '@', 50667, 'Köln', 'Hohe Straße 88', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (6, 2, '@', '0221', '9123450', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (6, 4, '@', '0160', '9988776', 'Notdienst');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (6, 2, 'service@mueller-elektro.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (6, 5);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (7, 'C', 'Schreinerei Holzwurm', NULL, NULL);
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (7, 2, '@', 83209, 'Prien am Chiemsee', 'Seestraße 21', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (7, 2, '@', '08051', '61234', NULL);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (7, 5);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (8, 'C', 'Stadtwerke Kiel', 'AG', NULL);
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (8, 2, '@', 24114, 'Kiel', 'Uhlenkrog 32', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (8, 2, '@', '0431', '5940', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (8, 6, '-', '0431', '5941000', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (8, 3, 'www.stadtwerke-kiel.de', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (9, 'C', 'Brennan & O''Neil', 'Solicitors', 'Kanzlei für irisches Erbrecht');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (9, 2, '@', 2, 'Dublin', '14 Merrion Square', 'Ireland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (9, 2, '@', '+353 1', '6612345', 'Ms. Fitzgerald');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (9, 2, 'office@brennan-oneil.ie', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (9, 3, 'www.brennan-oneil.ie', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (10, 'C', 'Zahnarztpraxis Dr. Weiß', NULL, NULL);
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (10, 2, '@', 1307, 'Dresden', 'Blasewitzer Straße 41', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (10, 2, '@', '0351', '3101020', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (10, 6, '@', '0351', '3101021', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (10, 2, 'termin@zahnarzt-weiss.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (10, 1);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (11, 'C', 'Nordlicht Verlag', 'AG', 'Verlag für Reiseliteratur');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (11, 2, '@', 20095, 'Hamburg', 'Mönckebergstraße 7', 'Deutschland');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (11, 2, '-', 20457, 'Hamburg', 'Am Sandtorkai 50', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (11, 2, '@', '040', '30708090', 'Frau Jensen');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (11, 6, '@', '040', '30708099', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (11, 2, 'redaktion@nordlicht-verlag.de', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (11, 3, 'www.nordlicht-verlag.de', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (12, 'C', 'Café Schönblick', NULL, 'Ruhetag Montag');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (12, 2, '@', 6484, 'Quedlinburg', 'Markt 5', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (12, 2, '@', '03946', '70212', NULL);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (12, 6);

/* -------------------------------------------------------------- persons */

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (13, 'P', 'Meier', 'Hans', NULL);
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1962-01-14', P_NICKNAME = 'Hansi', P_CID = 6, P_ALIVE = '@' WHERE P_ID = 13;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (13, 1, '@', 50733, 'Köln', 'Neusser Straße 215', 'Deutschland');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (13, 2, '-', 50667, 'Köln', 'Hohe Straße 88', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (13, 1, '@', '0221', '7391122', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (13, 3, '@', '0172', '5566778', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (13, 2, '-', '0221', '9123451', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (13, 1, 'hans.meier@example.de', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (13, 2, 'h.meier@mueller-elektro.de', '-');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (13, 4);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (14, 'P', 'MEIER', 'Klaus', 'schreibt seinen Namen nur in Großbuchstaben');
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1958-02-02', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 14;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (14, 1, '@', 99084, 'Erfurt', 'Anger 9', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (14, 1, '@', '0361', '5623411', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (14, 1, 'klaus.meier@example.org', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (14, 6);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (15, 'P', 'Müller', 'Anna', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1975-03-21', P_NICKNAME = 'Anni', P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 15;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (15, 1, '@', 80331, 'München', 'Sendlinger Straße 44', 'Deutschland');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (15, 3, '-', 83209, 'Prien am Chiemsee', 'Seestraße 3', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (15, 1, '@', '089', '2602233', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (15, 3, '@', '0151', '2233445', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (15, 1, 'anna.mueller@example.de', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (15, 3, 'www.annas-kochblog.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (15, 3);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (15, 2);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (16, 'P', 'Äbersold', 'Ruth', 'Schweizer Verwandtschaft');
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1949-04-09', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 16;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (16, 1, '@', 3011, 'Bern', 'Kramgasse 52', 'Schweiz');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (16, 1, '@', '+41 31', '3114455', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (16, 1, 'ruth.aebersold@example.ch', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (16, 2);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (17, 'P', 'Öztürk', 'Mehmet', 'Hausarzt, Praxis im Ärztehaus am Park');
UPDATE person SET P_SID = 1, P_TID = 2, P_BIRTHDAY = DATE '1971-05-30', P_NICKNAME = NULL, P_CID = 2, P_ALIVE = '@' WHERE P_ID = 17;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (17, 2, '@', 4109, 'Leipzig', 'Parkallee 3', 'Deutschland');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (17, 1, '-', 4229, 'Leipzig', 'Karl-Heine-Straße 80', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (17, 2, '@', '0341', '2290510', 'Frau Lange');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (17, 3, '-', '0176', '3344556', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (17, 2, 'dr.oeztuerk@aerztehaus-am-park.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (17, 1);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (18, 'P', 'Übel', 'Gerhard', 'verstorben 2019');
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1938-06-17', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '-' WHERE P_ID = 18;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (18, 1, '@', 6108, 'Halle (Saale)', 'Große Ulrichstraße 18', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (18, 1, '-', '0345', '2021188', NULL);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (18, 2);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (19, 'P', 'Éluard', 'Camille', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1988-07-04', P_NICKNAME = 'Cami', P_CID = 5, P_ALIVE = '@' WHERE P_ID = 19;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (19, 1, '@', 75011, 'Paris', '27, rue Oberkampf', 'France');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (19, 3, '@', '+33 6', '12345678', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (19, 2, '@', '+33 1', '42650012', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (19, 1, 'camille.eluard@example.fr', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (19, 2, 'c.eluard@elysee-optique.fr', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (19, 3);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (20, 'P', 'O''Neil', 'Siobhan', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1980-08-12', P_NICKNAME = NULL, P_CID = 9, P_ALIVE = '@' WHERE P_ID = 20;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (20, 2, '@', 2, 'Dublin', '14 Merrion Square', 'Ireland');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (20, 1, '-', 4, 'Dublin', '3 Sandymount Green', 'Ireland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (20, 2, '@', '+353 1', '6612346', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (20, 3, '@', '+353 87', '1234567', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (20, 2, 's.oneil@brennan-oneil.ie', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (20, 1, 'siobhan.oneil@example.ie', '-');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (21, 'P', 'Schmidt', 'Peter', NULL);
UPDATE person SET P_SID = 1, P_TID = 6, P_BIRTHDAY = DATE '1966-09-23', P_NICKNAME = NULL, P_CID = 1, P_ALIVE = '@' WHERE P_ID = 21;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (21, 1, '@', 1309, 'Dresden', 'Tittmannstraße 4', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (21, 1, '@', '0351', '3107788', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (21, 2, '@', '0351', '4862911', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (21, 4, '-', '0162', '7788990', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (21, 2, 'p.schmidt@3d-druck-dresden.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (21, 4);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (22, 'P', 'Schneider', 'Julia', 'Kinderärztin');
UPDATE person SET P_SID = 2, P_TID = 2, P_BIRTHDAY = DATE '1979-10-05', P_NICKNAME = NULL, P_CID = 2, P_ALIVE = '@' WHERE P_ID = 22;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (22, 2, '@', 4109, 'Leipzig', 'Parkallee 3', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (22, 2, '@', '0341', '2290520', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (22, 2, 'dr.schneider@aerztehaus-am-park.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (22, 1);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (23, 'P', 'Fischer', 'Thomas', NULL);
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1955-11-11', P_NICKNAME = 'Tom', P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 23;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (23, 1, '@', 20255, 'Hamburg', 'Osterstraße 120', 'Deutschland');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (23, 3, '@', 25980, 'Sylt', 'Strandstraße 9', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (23, 1, '@', '040', '4901234', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (23, 5, '-', '040', '4901235', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (23, 1, 'tom.fischer@example.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (23, 6);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (24, 'P', 'Weber', 'Sabine', 'Lektorin');
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1983-12-24', P_NICKNAME = NULL, P_CID = 11, P_ALIVE = '@' WHERE P_ID = 24;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (24, 1, '@', 22767, 'Hamburg', 'Große Bergstraße 200', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (24, 2, '@', '040', '30708091', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (24, 3, '@', '0170', '1122334', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (24, 2, 's.weber@nordlicht-verlag.de', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (24, 1, 'sabine.weber@example.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (24, 4);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (24, 3);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (25, 'P', 'Becker', 'Jürgen', NULL);
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1960-01-30', P_NICKNAME = NULL, P_CID = 4, P_ALIVE = '@' WHERE P_ID = 25;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (25, 1, '@', 28209, 'Bremen', 'Schwachhauser Heerstraße 60', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (25, 1, '@', '0421', '346677', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (25, 2, '@', '0421', '5980112', NULL);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (26, 'P', 'Wagner', 'Monika', 'Lehrstuhl für Germanistik');
UPDATE person SET P_SID = 2, P_TID = 5, P_BIRTHDAY = DATE '1952-02-29', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 26;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (26, 2, '@', 69117, 'Heidelberg', 'Grabengasse 1', 'Deutschland');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (26, 1, '@', 69120, 'Heidelberg', 'Mönchhofstraße 3', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (26, 2, '@', '06221', '542211', 'Sekretariat Frau Klein');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (26, 1, '-', '06221', '400123', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (26, 2, 'wagner@uni-heidelberg.example', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (27, 'P', 'Hoffmann', 'Stefan', 'Zahnarzt');
UPDATE person SET P_SID = 1, P_TID = 3, P_BIRTHDAY = DATE '1969-03-08', P_NICKNAME = NULL, P_CID = 10, P_ALIVE = '@' WHERE P_ID = 27;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (27, 2, '@', 1307, 'Dresden', 'Blasewitzer Straße 41', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (27, 2, '@', '0351', '3101022', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (27, 2, 'hoffmann@zahnarzt-weiss.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (27, 1);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (28, 'P', 'Schäfer', 'Lena', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1995-04-18', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 28;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (28, 1, '@', 10435, 'Berlin', 'Kastanienallee 77', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (28, 3, '@', '0157', '3456789', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (28, 1, 'lena.schaefer@example.de', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (28, 3, 'www.lenaschaefer.example', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (28, 3);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (29, 'P', 'Koch', 'Wolfgang', 'verstorben 2021');
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1947-05-01', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '-' WHERE P_ID = 29;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (29, 1, '@', 70173, 'Stuttgart', 'Königstraße 10', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (29, 1, '@', '0711', '223344', NULL);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (29, 6);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (30, 'P', 'Bauer', 'Christine', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1990-06-06', P_NICKNAME = 'Chris', P_CID = 12, P_ALIVE = '@' WHERE P_ID = 30;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (30, 1, '@', 6484, 'Quedlinburg', 'Steinweg 22', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (30, 1, '@', '03946', '70555', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (30, 2, '@', '03946', '70212', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (30, 1, 'chris.bauer@example.de', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (31, 'P', 'Richter', 'Andreas', NULL);
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1972-07-19', P_NICKNAME = NULL, P_CID = 8, P_ALIVE = '@' WHERE P_ID = 31;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (31, 1, '@', 24105, 'Kiel', 'Holtenauer Straße 150', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (31, 2, '@', '0431', '5942210', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (31, 4, '@', '0160', '5942210', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (31, 2, 'a.richter@stadtwerke-kiel.example', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (31, 4);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (32, 'P', 'Klein', 'Elke', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1964-08-27', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 32;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (32, 1, '@', 1067, 'Dresden', 'Ostra-Allee 9', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (32, 1, '@', '0351', '4960011', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (32, 1, 'elke.klein@example.de', '-');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (32, 2);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (33, 'P', 'Wolf', 'Martin', 'Tierarzt');
UPDATE person SET P_SID = 1, P_TID = 1, P_BIRTHDAY = DATE '1977-09-03', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 33;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (33, 2, '@', 9111, 'Chemnitz', 'Straße der Nationen 33', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (33, 2, '@', '0371', '6664400', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (33, 6, '@', '0371', '6664401', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (33, 2, 'praxis@tierarzt-wolf.example', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (34, 'P', 'Schröder', 'Karin', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1958-10-31', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 34;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (34, 1, '@', 30159, 'Hannover', 'Georgstraße 20', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (34, 1, '@', '0511', '3232323', NULL);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (34, 6);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (34, 3);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (35, 'P', 'Neumann', 'Felix', 'Patenkind');
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '2001-11-15', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 35;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (35, 1, '@', 4275, 'Leipzig', 'Karl-Liebknecht-Straße 90', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (35, 3, '@', '0152', '9876543', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (35, 1, 'felix.neumann@example.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (35, 2);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (36, 'P', 'Zimmermann', 'Ursula', 'Augenärztin');
UPDATE person SET P_SID = 2, P_TID = 2, P_BIRTHDAY = DATE '1961-12-09', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 36;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (36, 2, '@', 1069, 'Dresden', 'Prager Straße 2', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (36, 2, '@', '0351', '4911220', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (36, 2, 'praxis@augen-zimmermann.example', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (36, 1);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (37, 'P', 'Krüger', 'Petra', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1985-01-14', P_NICKNAME = NULL, P_CID = 1, P_ALIVE = '@' WHERE P_ID = 37;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (37, 1, '@', 1277, 'Dresden', 'Schandauer Straße 12', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (37, 2, '@', '0351', '4862912', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (37, 3, '@', '0171', '1237890', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (37, 2, 'p.krueger@3d-druck-dresden.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (37, 4);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (38, 'P', 'Hartmann', 'Dieter', 'verstorben 2018');
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1942-02-11', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '-' WHERE P_ID = 38;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (38, 1, '@', 39104, 'Magdeburg', 'Breiter Weg 100', 'Deutschland');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (39, 'P', 'Lange', 'Birgit', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1968-03-21', P_NICKNAME = NULL, P_CID = 2, P_ALIVE = '@' WHERE P_ID = 39;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (39, 1, '@', 4157, 'Leipzig', 'Georg-Schumann-Straße 150', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (39, 2, '@', '0341', '2290500', NULL);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (40, 'P', 'Rossi', 'Giulia', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1992-04-25', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 40;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (40, 1, '@', 20121, 'Milano', 'Via Brera 10', 'Italia');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (40, 3, '@', '+39 333', '1234567', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (40, 1, 'giulia.rossi@example.it', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (40, 3);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (41, 'P', 'Dubois', 'François', NULL);
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1970-05-14', P_NICKNAME = NULL, P_CID = 5, P_ALIVE = '@' WHERE P_ID = 41;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (41, 2, '@', 75008, 'Paris', '12, rue du Faubourg Saint-Honoré', 'France');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (41, 2, '@', '+33 1', '42650013', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (41, 2, 'f.dubois@elysee-optique.fr', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (42, 'P', 'Kowalski', 'Piotr', 'Fahrer');
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1987-06-29', P_NICKNAME = NULL, P_CID = 4, P_ALIVE = '@' WHERE P_ID = 42;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (42, 1, '@', 28217, 'Bremen', 'Waller Heerstraße 5', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (42, 4, '@', '0173', '6543210', NULL);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (43, 'P', 'García', 'Lucía', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1993-07-07', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 43;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (43, 1, '@', 28013, 'Madrid', 'Calle Mayor 1', 'España');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (43, 3, '@', '+34 612', '345678', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (43, 1, 'lucia.garcia@example.es', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (43, 3);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (44, 'P', 'Andersson', 'Björn', NULL);
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1976-08-16', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 44;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (44, 1, '@', 11129, 'Stockholm', 'Västerlånggatan 20', 'Sverige');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (44, 1, '@', '+46 8', '102030', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (44, 1, 'bjorn.andersson@example.se', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (45, 'P', 'Jensen', 'Søren', NULL);
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1981-09-09', P_NICKNAME = NULL, P_CID = 11, P_ALIVE = '@' WHERE P_ID = 45;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (45, 1, '@', 2100, 'København', 'Østerbrogade 40', 'Danmark');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (45, 2, '@', '040', '30708092', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (45, 2, 's.jensen@nordlicht-verlag.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (45, 4);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (46, 'P', 'Papadopoulos', 'Eleni', NULL);
UPDATE person SET P_SID = 2, P_TID = 7, P_BIRTHDAY = DATE '1974-10-12', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 46;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (46, 1, '@', 1010, 'Wien', 'Graben 15', 'Österreich');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (46, 1, '@', '+43 1', '5123344', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (46, 1, 'eleni.papadopoulos@example.at', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (47, 'P', 'Nakamura', 'Yuki', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '1989-11-03', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 47;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (47, 1, '@', 40211, 'Düsseldorf', 'Immermannstraße 25', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (47, 3, '@', '0176', '2468101', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (47, 1, 'yuki.nakamura@example.jp', '@');

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (48, 'P', 'Lehmann', 'Horst', 'Schreinermeister');
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = DATE '1950-12-24', P_NICKNAME = NULL, P_CID = 7, P_ALIVE = '@' WHERE P_ID = 48;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (48, 2, '@', 83209, 'Prien am Chiemsee', 'Seestraße 21', 'Deutschland');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (48, 1, '@', 83209, 'Prien am Chiemsee', 'Bernauer Straße 8', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (48, 2, '@', '08051', '61234', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (48, 1, '@', '08051', '4455', NULL);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (48, 5);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (49, 'P', 'Hausmeister Kowalczyk', NULL, 'Hausmeister im Haus Neusser Straße');
UPDATE person SET P_SID = 1, P_TID = NULL, P_BIRTHDAY = NULL, P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 49;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (49, 1, '@', 50733, 'Köln', 'Neusser Straße 215', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (49, 3, '@', '0163', '1112223', NULL);
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (49, 5);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (50, 'P', 'Krause', 'Heike', NULL);
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = NULL, P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 50;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (50, 1, '@', 7743, 'Jena', 'Johannisstraße 2', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (50, 1, '@', '03641', '445566', NULL);
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (50, 1, 'heike.krause@example.de', '@');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (50, 6);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (51, 'P', 'Werner', 'Paul', NULL);
UPDATE person SET P_SID = 1, P_TID = 4, P_BIRTHDAY = DATE '1944-05-01', P_NICKNAME = NULL, P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 51;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (51, 1, '@', 53113, 'Bonn', 'Poppelsdorfer Allee 12', 'Deutschland');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (51, 1, '@', '0228', '7654321', NULL);

INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (52, 'P', 'Schwarz', 'Marie', 'Nichte');
UPDATE person SET P_SID = 2, P_TID = NULL, P_BIRTHDAY = DATE '2010-08-12', P_NICKNAME = 'Mia', P_CID = NULL, P_ALIVE = '@' WHERE P_ID = 52;
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (52, 1, '@', 1069, 'Dresden', 'Prager Straße 30', 'Deutschland');
INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (52, 2);

/* Let the program's next contact key follow the demo's last one. */
SET TERM ^ ;
EXECUTE BLOCK AS
  DECLARE last_key BIGINT;
BEGIN
  SELECT MAX(O_ID) FROM object INTO :last_key;
  last_key = GEN_ID(G_OBJECT_O_ID, last_key - GEN_ID(G_OBJECT_O_ID, 0));
END^
SET TERM ; ^

COMMIT;
