#include "printing/f_birth.h"

#include "data/ContactQueries.h"
#include "data/DataSet.h"
#include "printing/ReportPreview.h"
#include "printing/ReportTexts.h"
#include "services/Session.h"

namespace pellori {

using namespace report;

namespace {

// The current month; an empty list counts as month 0.
int monthOf(const DataSet& months)
{
    const QVariant v = months.value(QStringLiteral("O_MONTH"));
    return v.isNull() || !v.isValid() ? 0 : v.toInt();
}

const FontStyle k8{.pointSize = 8};

} // namespace

Tf_birthday::Tf_birthday(Session& session, QWidget* owner)
    : QWidget(owner, Qt::Window), m_session(session),
      IBQuery_months(reports::reportQuery(session.mainTransaction(), queries::birthdayMonths(),
                                          {{"O_MONTH", FieldKind::Integer}})),
      IBQuery_birthday(reports::reportQuery(session.mainTransaction(), queries::birthdayPersons(),
                                            {{"O_DAY", FieldKind::Integer}, {"O_NAME"}, {"O_BIRTHDAY", FieldKind::Date},
                                             {"O_AGE", FieldKind::Integer}, {"O_ALIVE"}})),
      m_months(*IBQuery_months), m_persons(*IBQuery_birthday)
{
    setObjectName(QStringLiteral("f_birthday"));
    buildReport();
    m_months.afterScroll = [this] { IBQuery_monthsAfterScroll(); };
    IBQuery_months->open();
}

Tf_birthday::~Tf_birthday() = default;

void Tf_birthday::buildReport()
{
    Report& r = QuickRep_birthday;
    r.master = &m_months;
    r.page = {.topMm = 10, .bottomMm = 10, .leftMm = 20, .rightMm = 20};

    Band& header = r.addBand({.name = "QRBand1", .kind = BandKind::PageHeader, .heightMm = 10.6});
    QRLabel3 = &header.add({.name = "QRLabel3", .font = {.pointSize = 14, .bold = true}});

    Band& month = r.addBand({.name = "QRBand_month", .kind = BandKind::Detail, .heightMm = 7.1,
                             .beforePrint = [this](Band& b, bool& p) { QRBand_monthBeforePrint(b, p); }});
    QRLabel4 = &month.add({.name = "QRLabel4", .topMm = 2.1, .font = {.pointSize = 10, .bold = true}});

    Band& persons = r.addBand({.name = "QRSubDetail_persons", .kind = BandKind::SubDetail, .heightMm = 4.2,
                               .query = &m_persons,
                               .beforePrint = [this](Band& b, bool& p) { QRSubDetail_personsBeforePrint(b, p); }});
    persons.add({.name = "QRDBText3", .kind = ItemKind::DataText, .widthMm = 6.6, .font = k8,
                 .alignment = Qt::AlignRight, .query = &m_persons, .column = "O_DAY"});
    QRLabel1 = &persons.add({.name = "QRLabel1", .leftMm = 8.5, .widthMm = 72.2, .font = k8, .stretch = true});
    persons.add({.name = "QRDBText5", .kind = ItemKind::DataText, .leftMm = 82.6, .widthMm = 18.3, .font = k8,
                 .query = &m_persons, .column = "O_BIRTHDAY"});
    persons.add({.name = "QRDBText6", .kind = ItemKind::DataText, .leftMm = 101.6, .widthMm = 6.6, .font = k8,
                 .alignment = Qt::AlignRight, .query = &m_persons, .column = "O_AGE"});

    Band& footer = r.addBand({.name = "QRBand2", .kind = BandKind::PageFooter, .heightMm = 10.6});
    footer.add({.name = "QRSysData2", .kind = ItemKind::DateTime, .topMm = 6.35, .font = {.pointSize = 6}});
    footer.add({.name = "QRSysData1", .kind = ItemKind::PageNumber, .leftMm = 116.4, .topMm = 6.35, .font = {.pointSize = 6}});

    // A person line only where a month heading would still fit below it.
    Report::keepTogether({&persons, &month});
}

void Tf_birthday::setTitle(const QString& title) { QRLabel3->text = title; }

int Tf_birthday::preview() { return reports::showPreview(QuickRep_birthday, parentWidget() ? parentWidget() : this); }

QString Tf_birthday::MonthName(int month) const { return reports::monthName(m_session.lang(), month); }

void Tf_birthday::IBQuery_monthsAfterScroll()
{
    IBQuery_birthday->close();
    IBQuery_birthday->setParam(QStringLiteral("o_month"), monthOf(*IBQuery_months));
    IBQuery_birthday->open();
}

void Tf_birthday::QRBand_monthBeforePrint(Band&, bool&) { QRLabel4->text = MonthName(monthOf(*IBQuery_months)); }

void Tf_birthday::QRSubDetail_personsBeforePrint(Band&, bool&)
{
    QRLabel1->text =
        reports::birthdayName(IBQuery_birthday->value(QStringLiteral("O_NAME")), IBQuery_birthday->value(QStringLiteral("O_ALIVE")));
}

} // namespace pellori
