#include "printing/postal/PhoneList.h"

#include "data/ContactQueries.h"
#include "printing/DataSetQuery.h"
#include "printing/ReportTexts.h"
#include "printing/postal/AddressBlock.h"

#include <QCollator>
#include <algorithm>

namespace pellori::postal {

using namespace report;

namespace {

constexpr double kNumberIndentMm = 3, kNumberColumnMm = 34;
const FontStyle kName{.pointSize = 8, .bold = true};
const FontStyle kType{.pointSize = 7};
const FontStyle kNumber{.pointSize = 8};

// The list's contacts in the German collation of their names, the dead left out,
// so that each initial letter comes once whatever order the list was in.
ContactChoice filedByName(DbTransaction& transaction, ContactChoice choice)
{
    if (choice.scope != ContactScope::Shown)
        return choice;
    auto row = reports::reportQuery(transaction, queries::livingContact(), {{"O_TYPE"}, {"O_NAME1"}, {"O_NAME2"}});
    QList<std::pair<QString, int>> named;
    for (int key : choice.shownIds) {
        row->close();
        row->setParam(QStringLiteral("o_id"), key);
        row->open();
        if (!row->isEmpty())
            named.append({listName(row->value(QStringLiteral("O_TYPE")).toString() == QLatin1String("C"),
                                   row->value(QStringLiteral("O_NAME1")).toString(),
                                   row->value(QStringLiteral("O_NAME2")).toString()),
                          key});
    }
    const QCollator german(QLocale(QLocale::German, QLocale::Germany));
    std::stable_sort(named.begin(), named.end(),
                     [&](const auto& a, const auto& b) { return german.compare(a.first, b.first) < 0; });
    choice.shownIds.clear();
    for (const auto& [name, key] : named)
        choice.shownIds << key;
    return choice;
}

} // namespace

QString fileLetter(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("#");
    const QChar base = trimmed.left(1).normalized(QString::NormalizationForm_D).at(0);
    return base.isLetter() ? QString(base.toUpper()) : QStringLiteral("#");
}

PhoneListReport::PhoneListReport(DbTransaction& transaction, const ContactChoice& choice, const QString& title)
    : m_contacts(transaction, filedByName(transaction, choice)),
      m_contact(reports::reportQuery(transaction, queries::livingContact(), {{"O_TYPE"}, {"O_NAME1"}, {"O_NAME2"}})),
      m_numbers(reports::reportQuery(transaction, queries::currentNumbers(), {{"CT_NAME"}, {"C_PREFIX"}, {"C_NUMBER"}})),
      m_numberRows(std::make_unique<reports::DataSetQuery>(*m_numbers))
{
    report.title = title;
    report.master = &m_contacts.query();
    m_contacts.query().afterScroll = [this] { contactAfterScroll(); };
    report.page = {.paperWidthMm = 210, .paperHeightMm = 297, .topMm = 12, .bottomMm = 12, .leftMm = 15,
                   .rightMm = 15, .columns = 2, .printIfEmpty = false, .columnGapMm = 10,
                   .columnOrder = ColumnOrder::DownThenAcross};
    const double column = report.page.columnWidthMm();

    Band& header = report.addBand({.name = "header", .kind = BandKind::PageHeader, .heightMm = 11});
    header.add({.name = "title", .widthMm = report.page.bandWidthMm(), .font = {.pointSize = 14, .bold = true},
                .text = title, .elide = true});

    Band& letter = report.addBand({.name = "letter", .kind = BandKind::Detail, .heightMm = 7.5, .topRule = true});
    PrintItem* letterText = &letter.add({.name = "letterText", .topMm = 1.5, .font = {.pointSize = 11, .bold = true}});
    letter.beforePrint = [this, letterText](Band&, bool& print) {
        print = m_living && m_letter != m_lastLetter;
        if (print)
            m_lastLetter = letterText->text = m_letter;
    };

    Band& entry = report.addChild(letter, {.name = "entry", .heightMm = 4.4});
    PrintItem* name = &entry.add({.name = "name", .topMm = 0.6, .widthMm = column, .font = kName, .elide = true});
    entry.beforePrint = [this, name](Band&, bool& print) {
        print = m_living;
        name->text = m_name;
        m_listed += m_living ? 1 : 0;
    };

    Band& number = report.addBand({.name = "number", .kind = BandKind::SubDetail, .heightMm = 3.9,
                                   .query = m_numberRows.get()});
    number.add({.name = "type", .kind = ItemKind::DataText, .leftMm = kNumberIndentMm,
                .widthMm = kNumberColumnMm - kNumberIndentMm - 1, .font = kType, .query = m_numberRows.get(),
                .column = "CT_NAME", .elide = true});
    PrintItem* digits = &number.add({.name = "digits", .leftMm = kNumberColumnMm,
                                     .widthMm = column - kNumberColumnMm, .font = kNumber, .elide = true});
    number.beforePrint = [this, digits](Band&, bool& print) {
        print = m_living && !m_numberRows->atEnd();
        digits->text = reports::numberText(m_numbers->value(QStringLiteral("C_PREFIX")),
                                           m_numbers->value(QStringLiteral("C_NUMBER")));
    };

    Band& footer = report.addBand({.name = "footer", .kind = BandKind::PageFooter, .heightMm = 8});
    footer.add({.name = "generated", .kind = ItemKind::DateTime, .topMm = 4, .font = {.pointSize = 6}});
    footer.add({.name = "page", .kind = ItemKind::PageNumber, .topMm = 4, .widthMm = report.page.bandWidthMm(),
                .font = {.pointSize = 6}, .alignment = Qt::AlignRight});

    Report::keepTogether({&letter, &entry, &number});
}

PhoneListReport::~PhoneListReport() = default;

void PhoneListReport::contactAfterScroll()
{
    const int key = m_contacts.currentKey();
    m_contact->close();
    m_contact->setParam(QStringLiteral("o_id"), key);
    m_contact->open();
    m_living = !m_contact->isEmpty();
    m_name = m_living ? listName(m_contact->value(QStringLiteral("O_TYPE")).toString() == QLatin1String("C"),
                                 m_contact->value(QStringLiteral("O_NAME1")).toString(),
                                 m_contact->value(QStringLiteral("O_NAME2")).toString())
                      : QString();
    m_letter = fileLetter(m_name);
    m_numbers->close();
    m_numbers->setParam(QStringLiteral("o_id"), m_living ? key : 0);
    m_numbers->open();
}

} // namespace pellori::postal
