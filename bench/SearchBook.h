#pragma once
// Books for the search benches: contacts with German names, towns, numbers and
// e-mail addresses, one address and a detail or two each. Built once per size
// under /tmp and reused; the copy with the search step applied is kept beside.
#include "BenchCommon.h"
#include "data/Connection.h"
#include "data/upgrades/Upgrades.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cstdio>
#include <cstdlib>

namespace pellori::bench {

// Fixed-width word lists, picked by position in PSQL.
inline QByteArray vocabulary(const char* name, int width, const QStringList& words)
{
    QString s;
    for (const QString& w : words)
        s += w.leftJustified(width, QLatin1Char(' '), true);
    return QStringLiteral("declare %1 varchar(4000) character set ISO8859_1 = '%2';\n").arg(QLatin1String(name), s).toLatin1();
}

inline QByteArray fillScript(int contacts)
{
    const QStringList families = QString::fromUtf8(
        "Müller Schmidt Schneider Fischer Weber Meyer Wagner Becker Schulz Hoffmann Schäfer Koch Bauer Richter Klein "
        "Wolf Schröder Neumann Schwarz Zimmermann Braun Krüger Hofmann Hartmann Lange Schmitt Werner Schmitz Krause "
        "Meier Lehmann Schmid Schulze Maier Köhler Herrmann König Walter Mayer Huber Kaiser Fuchs Peters Lang Scholz "
        "Möller Weiß Jung Hahn Schubert Vogel Friedrich Keller Günther Frank Berger Winkler Roth Beck Lorenz Baumann "
        "Franke Albrecht Schuster Simon Ludwig Böhm Winter Kraus Martin Schumacher Krämer Vogt Stein Jäger Otto Sommer "
        "Groß Seidel Heinrich Brandt Haas Schreiber Graf Schulte Dietrich Ziegler Kuhn Kühn Pohl Engel Horn Busch "
        "Bergmann Thomas Voigt Sauer Arnold Wolff Pfeiffer").split(' ');
    const QStringList firsts = QString::fromUtf8(
        "Anna Hans Peter Julia Thomas Sabine Jürgen Monika Stefan Wolfgang Christine Andreas Elke Martin Felix Ursula "
        "Dieter Birgit Paul Marie Heike Horst Klaus Petra Uwe Karin Frank Gabriele Michael Renate Jörg Susanne Ralf "
        "Andrea Bernd Claudia Rainer Lukas Leon Finn Jonas Ben Elias Noah Luis Emil Mia Emma Sophia Hannah Lina Lea "
        "Ella Clara Lena Maja Zoë Sören Björn Günter Käthe Gerd Helga Inge Karl Otto Rosi Tim Tom Jan Eva Ida Max "
        "Moritz Nele Ole Pia Rita Udo Vera").split(' ');
    // Town, its area code and its first postcode.
    const QStringList towns = QString::fromUtf8(
        "Berlin/030/10115 Hamburg/040/20095 München/089/80331 Köln/0221/50667 Frankfurt_am_Main/069/60311 "
        "Stuttgart/0711/70173 Düsseldorf/0211/40210 Leipzig/0341/4103 Dortmund/0231/44135 Essen/0201/45127 "
        "Bremen/0421/28195 Dresden/0351/1067 Hannover/0511/30159 Nürnberg/0911/90402 Duisburg/0203/47051 "
        "Bochum/0234/44787 Wuppertal/0202/42103 Bielefeld/0521/33602 Bonn/0228/53111 Münster/0251/48143 "
        "Mannheim/0621/68159 Karlsruhe/0721/76131 Augsburg/0821/86150 Wiesbaden/0611/65183 Aachen/0241/52062 "
        "Braunschweig/0531/38100 Kiel/0431/24103 Chemnitz/0371/9111 Halle/0345/6108 Magdeburg/0391/39104 "
        "Freiburg_im_Breisgau/0761/79098 Krefeld/02151/47798 Mainz/06131/55116 Lübeck/0451/23552 Erfurt/0361/99084 "
        "Rostock/0381/18055 Kassel/0561/34117 Potsdam/0331/14467 Saarbrücken/0681/66111 Oldenburg/0441/26121 "
        "Osnabrück/0541/49074 Darmstadt/06151/64283 Heidelberg/06221/69117 Regensburg/0941/93047 "
        "Paderborn/05251/33098 Ingolstadt/0841/85049 Würzburg/0931/97070 Ulm/0731/89073 Göttingen/0551/37073 "
        "Koblenz/0261/56068 Jena/03641/7743 Trier/0651/54290 Siegen/0271/57072 Cottbus/0355/3046").split(' ');
    QStringList townNames, codes, postcodes;
    for (const QString& t : towns) {
        const QStringList p = t.split('/');
        townNames << QString(p[0]).replace('_', ' ');
        codes << p[1];
        postcodes << p[2];
    }
    const QStringList streets = QString::fromUtf8(
        "Hauptstraße Bahnhofstraße Gartenweg Schulstraße Dorfstraße Bergstraße Lindenstraße Kirchweg Marktplatz "
        "Waldstraße Ringstraße Mühlenweg Goethestraße Schillerstraße Rosenweg Birkenallee Feldweg Jahnstraße "
        "Wiesenstraße Königsallee").split(' ');
    const QStringList trades = QString::fromUtf8(
        "Bau Druck Consulting Logistik Bäckerei Elektro Metallbau Reisen Immobilien Software").split(' ');
    const QStringList domains = QString::fromUtf8("web.de gmx.de t-online.de gmail.com posteo.de").split(' ');
    QByteArray s = "set term ^;\nexecute block as\n";
    s += vocabulary("fam", 12, families) + vocabulary("fst", 10, firsts) + vocabulary("twn", 20, townNames)
         + vocabulary("cod", 6, codes) + vocabulary("pcs", 6, postcodes) + vocabulary("str", 14, streets)
         + vocabulary("trd", 10, trades) + vocabulary("dom", 12, domains);
    s += QString(
        "declare i integer = 0; declare id integer; declare k integer; declare t integer;\n"
        "declare n1 varchar(60) character set ISO8859_1; declare n2 varchar(60) character set ISO8859_1;\n"
        "declare town varchar(20) character set ISO8859_1; declare code varchar(6) character set ISO8859_1;\n"
        "begin\n"
        "  while (i < %1) do begin\n"
        "    id = i + 1;\n"
        "    k = mod(i * 7919 + 104729, 1000003);\n"
        "    n1 = trim(substring(fam from 1 + 12 * mod(k, %2) for 12));\n"
        "    t = mod(k / 7, %4);\n"
        "    town = trim(substring(twn from 1 + 20 * t for 20));\n"
        "    code = trim(substring(cod from 1 + 6 * t for 6));\n"
        "    if (mod(i, 5) = 0) then begin\n"
        "      insert into object (o_id, o_type, o_name1, o_name2) values (:id, 'C',\n"
        "        :n1 || ' ' || trim(substring(:trd from 1 + 10 * mod(:k / 3, %5) for 10)), iif(mod(:k, 3) = 0, 'AG', 'GmbH'));\n"
        "      insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (:id, 6, '@', :code,\n"
        "        '' || (100000 + mod(:k * 31, 899999)));\n"
        "    end else begin\n"
        "      n2 = trim(substring(fst from 1 + 10 * mod(k / 101, %3) for 10));\n"
        "      if (mod(k, 10) = 0) then n1 = n1 || '-' || trim(substring(fam from 1 + 12 * mod(k / 13, %2) for 12));\n"
        "      insert into object (o_id, o_type, o_name1, o_name2) values (:id, 'P', :n1, :n2);\n"
        "      if (mod(i, 2) = 1 and i > 5 or mod(k, 10) = 3) then\n"
        "        update person set p_cid = iif(mod(:i, 2) = 1 and :i > 5, 1 + 5 * mod(:k, :i / 5), null),\n"
        "          p_nickname = iif(mod(:k, 10) = 3, substring(:n2 from 1 for 3) || 'i', null) where p_id = :id;\n"
        "      if (mod(:i, 4) = 1) then insert into belong2group (b2g_oid, b2g_gid) values (:id, 1 + mod(:k, 6));\n"
        "      if (mod(:i, 3) = 1) then insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number)\n"
        "        values (:id, 3, '-', '01' || (51 + mod(:k, 29)), '' || (1000000 + mod(:k * 17, 8999999)));\n"
        "    end\n"
        "    insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (:id, iif(mod(:i, 5) = 0, 2, 1), '@',\n"
        "      :code, '' || (100000 + mod(:k * 13, 8999999)));\n"
        "    if (mod(:i, 2) = 0) then insert into internet (i_oid, i_itid, i_pref, i_name) values (:id, 1, '@',\n"
        "      lower(replace(:n1, ' ', '.')) || '.' || :i || '@' || trim(substring(:dom from 1 + 12 * mod(:k, %6) for 12)));\n"
        "    insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street, a_country) values (:id, 1, '@',\n"
        "      cast(trim(substring(:pcs from 1 + 6 * :t for 6)) as integer) + mod(:k, 90), :town,\n"
        "      trim(substring(:str from 1 + 14 * mod(:k / 11, %7) for 14)) || ' ' || (1 + mod(:k, 120)),\n"
        "      iif(mod(:i, 7) = 0, 'Deutschland', null));\n"
        "    i = i + 1;\n"
        "  end\n"
        "end^\nset term ;^\n"
        "set generator g_object_o_id to %1;\ncommit;\n")
             .arg(contacts)
             .arg(families.size())
             .arg(firsts.size())
             .arg(towns.size())
             .arg(trades.size())
             .arg(domains.size())
             .arg(streets.size())
             .toLatin1();
    return s;
}

// The book of `contacts` contacts in /tmp, built when missing; with `upgraded` a copy
// with the search step applied and filled (the time it took printed when it is made).
inline QString searchBook(int contacts, bool upgraded)
{
    const QString dir = QStringLiteral("/tmp/pellori-bench-search");
    QDir().mkpath(dir);
    const QString base = QStringLiteral("%1/BOOK-%2-v2.QVX").arg(dir).arg(contacts);
    if (!QFile::exists(base)) {
        const QString building = base + QStringLiteral(".part");
        QFile::remove(building);
        std::printf("building %s ...\n", qPrintable(base));
        std::fflush(stdout);
        QByteArray out;
        const double ms = timeMs([&] {
            createWithSchema(building);
            out = isqlScript(building, fillScript(contacts));
        });
        if (out.contains("failed")) {
            std::printf("%s\n", out.constData());
            std::exit(1);
        }
        QFile::rename(building, base);
        std::printf("  %d contacts in %.0f s\n", contacts, ms / 1000);
    }
    if (!upgraded)
        return base;
    // Named after the step as it stands, so that a changed step is applied afresh.
    QByteArray step;
    for (const char* sql : upgrades::searchStep().statements)
        step += sql;
    for (const char* sql : upgrades::searchStep().fill)
        step += sql;
    const QString up = QStringLiteral("%1/BOOK-%2-v2-search-%3.QVX").arg(dir).arg(contacts).arg(qHash(step), 0, 16);
    if (!QFile::exists(up)) {
        const QString building = up + QStringLiteral(".part");
        QFile::remove(building);
        QFile::copy(base, building);
        Connection c;
        c.setDatabaseName(building);
        c.params = QStringList{"user_name=SYSDBA", "password=x", "lc_ctype=ISO8859_1"};
        const double ms = timeMs([&] { upgrades::applyMissing(c); });
        c.close();
        QFile::rename(building, up);
        std::printf("  upgrade with the search step (structure and fill): %.1f s, book %lld MB -> %lld MB\n", ms / 1000,
                    QFileInfo(base).size() >> 20, QFileInfo(up).size() >> 20);
    }
    return up;
}

} // namespace pellori::bench
