#pragma once
// The book the duplicate and re-import benches work on: persons and companies
// with varied German names, towns, numbers and e-mail addresses, and 1% more
// contacts seeded as duplicates of others (a third each: the name written
// otherwise with the same e-mail address, the same number written otherwise,
// a similar name in the same town). Built once into /tmp and reused.
#include "BenchCommon.h"
#include "data/Connection.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include "data/upgrades/Upgrades.h"

#include <QDir>
#include <QFileInfo>
#include <random>

namespace pellori::bench {

inline const QStringList kBenchLogin{QStringLiteral("user_name=SYSDBA"), QStringLiteral("password=x"),
                                     QStringLiteral("lc_ctype=ISO8859_1")};

struct BookPerson {
    QString family, first, town, prefix, number, email;
};

class NameMaker {
public:
    explicit NameMaker(unsigned seed) : m_random(seed) {}
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <typename T>
    const T& of(const QList<T>& list) { return list[pick(int(list.size()))]; }

    BookPerson person(int i)
    {
        static const QStringList first = QString::fromUtf8(
            "Hans Anna Klaus Eva Peter Julia Thomas Sabine Jürgen Monika Stefan Lena Wolfgang Christine Andreas Elke "
            "Martin Karin Felix Ursula Petra Dieter Birgit Horst Heike Paul Marie Jörg Günter Bärbel Sören Luisa "
            "Christoph Kristina Michael Nicole Frank Silke Uwe Katrin Ralf Tanja Sven Anja Jan Maren Ole Greta Bernd "
            "Carola Detlef Doris Egon Erika Fritz Gisela Gerd Helga Ingo Irene Jens Jutta Kai Kerstin Lars Linda Malte "
            "Meike Nils Nina Otto Olga Rainer Rita Timo Tina Volker Vera Walter Wiebke Yvonne Zoe").split(u' ');
        static const QStringList a = QString::fromUtf8(
            "Mül Schmi Mei Schnei Fi Wa Be Schu Hoff Schä Ko Rich Kle Wol Schrö Neu Zimmer Krü Hart Lan Wer Schwar "
            "Bö Kü Hü Grä Lö Brü Stö Fä Jä Mö Ro Ha Sto Bra Ke Lie Vo Ti").split(u' ');
        static const QStringList b = QString::fromUtf8(
            "ller dt er der scher gner cker bert mann fer ch ter in f der mann ger tmann ge ner z se ke nig rich thal "
            "stein berg hof bach").split(u' ');
        static const QStringList c = QString::fromUtf8(" ,er,s,ing,ke,mann,el,le, , , ").split(u',');
        static const QStringList townA = QString::fromUtf8(
            "Ober Unter Neu Alt Groß Klein Bad Hohen Nieder Mittel Sankt Wald Berg Sonnen Rosen Eich Lin Bir Fal Hirsch "
            "Kirch Mühl Stein Wolfs Fried Lud Karl Heil Mar Els").split(u' ');
        static const QStringList townB = QString::fromUtf8(
            "hausen dorf heim stadt feld bach burg berg au rode leben ingen stedt hagen wald born brück kirchen weiler "
            "hofen münde furt beuren wiesen tal walde see horst büttel wedel").split(u' ');
        BookPerson p;
        p.family = (of(a) + of(b) + of(c)).trimmed();
        p.first = of(first);
        p.town = of(townA) + of(townB);
        p.prefix = QStringLiteral("0%1").arg(300 + pick(700));
        p.number = QString::number(1000000 + pick(9000000));
        p.email = QStringLiteral("p%1@example.de").arg(i);
        return p;
    }

private:
    std::mt19937 m_random;
};

// The duplicate seeded for a person, by its kind (0, 1, 2).
inline BookPerson duplicateOf(BookPerson p, int kind, int i)
{
    if (kind == 0) {   // written otherwise, the same e-mail address
        p.family.replace(QString::fromUtf8("ü"), "ue").replace(QString::fromUtf8("ö"), "oe").replace(QString::fromUtf8("ä"), "ae");
        if (p.family == p.family.toUpper())
            p.family = p.family.toLower();
        else
            p.family = p.family.toUpper();
        p.number = QString::number(2000000 + i);
    } else if (kind == 1) {   // the same number written otherwise
        p.number = p.number.left(3) + u' ' + p.number.mid(3);
        p.prefix = QStringLiteral("+49 ") + p.prefix.mid(1);
        p.email = QStringLiteral("dup%1@example.org").arg(i);
    } else {   // a similar name in the same town
        const QString before = p.family;
        p.family.replace(QStringLiteral("ei"), QStringLiteral("ey")).replace(QStringLiteral("dt"), QStringLiteral("tt"));
        if (p.family == before)
            p.first = p.first.left(1) + u'.';
        p.number = QString::number(3000000 + i);
        p.email = QStringLiteral("sim%1@example.org").arg(i);
    }
    return p;
}

// Fills a new book: `contacts` contacts (every tenth a company, and every
// fifth person working at one), then 1% more seeded as duplicates.
inline void fillCleanBook(const QString& db, int contacts)
{
    createWithSchema(db);
    Connection c;
    c.setDatabaseName(db);
    c.params = kBenchLogin;
    DbTransaction tr(c);
    Statement object(c, QStringLiteral("insert into object (O_ID, O_TYPE, O_NAME1, O_NAME2) values (:id, :type, :n1, :n2)"));
    Statement person(c, QStringLiteral("update person set P_CID = :cid where P_ID = :id"));
    Statement address(c, QStringLiteral("insert into address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET) "
                                        "values (:id, 1, '@', :pc, :town, :street)"));
    Statement number(c, QStringLiteral("insert into communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER) "
                                       "values (:id, 1, '@', :prefix, :number)"));
    Statement mail(c, QStringLiteral("insert into internet (I_OID, I_ITID, I_NAME, I_PREF) values (:id, 1, :mail, '@')"));
    NameMaker names(4711);
    QList<BookPerson> persons;
    QList<int> companies;
    const auto add = [&](int id, const BookPerson& p, bool company) {
        QHash<QString, QVariant> v{{"id", id},          {"type", company ? "C" : "P"},
                                   {"n1", p.family},    {"n2", company ? QStringLiteral("GmbH") : p.first},
                                   {"pc", 1000 + id % 90000}, {"town", p.town},
                                   {"street", QStringLiteral("Hauptstr. %1").arg(id % 200 + 1)},
                                   {"prefix", p.prefix}, {"number", p.number},
                                   {"mail", p.email},   {"cid", companies.isEmpty() ? QVariant() : companies.last()}};
        const auto params = [&](const QString& name) { return v.value(name); };
        object.execute(tr, params);
        if (!company && id % 5 == 0)
            person.execute(tr, params);
        address.execute(tr, params);
        number.execute(tr, params);
        mail.execute(tr, params);
    };
    for (int id = 1; id <= contacts; ++id) {
        const BookPerson p = names.person(id);
        const bool company = id % 10 == 1;
        add(id, p, company);
        if (company)
            companies << id;
        else
            persons << p;
        if (id % 10000 == 0)
            tr.commitRetaining();
    }
    const int seeded = contacts / 100;
    for (int i = 0; i < seeded; ++i)
        add(contacts + 1 + i, duplicateOf(persons[names.pick(int(persons.size()))], i % 3, i), false);
    Statement generator(c, QStringLiteral("set generator G_OBJECT_O_ID to %1").arg(contacts + seeded));
    generator.execute(tr, {});
    tr.commit();
    upgrades::applyMissing(c);
}

// The book of that size, built on first use and kept in /tmp for later runs.
inline QString cleanBook(int contacts)
{
    const QString dir = QStringLiteral("/tmp/pellori-bench-clean");
    QDir().mkpath(dir);
    const QString path = QStringLiteral("%1/BOOK-%2-v3.QVX").arg(dir).arg(contacts);
    if (!QFileInfo::exists(path)) {
        const QString building = path + QStringLiteral(".building");
        QFile::remove(building);
        fillCleanBook(building, contacts);
        QFile::rename(building, path);
    }
    return path;
}

} // namespace pellori::bench
