#include "printing/f_print_address_book.h"

#include "data/ContactQueries.h"
#include "data/DataSet.h"
#include "data/Postcode.h"
#include "printing/ReportPreview.h"
#include "printing/ReportTexts.h"
#include "services/Session.h"

namespace pellori {

using namespace report;
using reports::hasText;
using reports::reportQuery;

namespace {

// Reads the integer key of a column; NULL, and no row at all, give 0.
int keyOf(const DataSet& ds, const QString& column)
{
    const QVariant v = ds.value(column);
    return v.isNull() || !v.isValid() ? 0 : v.toInt();
}

void reopen(DataSet& ds, std::initializer_list<std::pair<const char*, int>> params)
{
    ds.close();
    for (const auto& [name, value] : params)
        ds.setParam(QLatin1String(name), value);
    ds.open();
}

const FontStyle k8{.pointSize = 8};

} // namespace

Tf_print_ad_book::Tf_print_ad_book(Session& session, QWidget* owner, const QString& masterSql)
    : QWidget(owner, Qt::Window), m_session(session),
      IBQuery_objects(reportQuery(session.mainTransaction(), masterSql.isEmpty() ? queries::addressBookAll() : masterSql,
                                  {{"O_ID", FieldKind::Integer}, {"O_CID", FieldKind::Integer}, {"O_NAME"},
                                   {"O_ADDITIONAL", FieldKind::Memo}})),
      IBQuery_communication(reportQuery(session.mainTransaction(), queries::addressBookCommunication(),
                                        {{"C_ASSISTENT"}, {"C_NUMBER"}, {"C_PREF"}, {"C_PREFIX"}, {"CT_NAME"}})),
      IBQuery_internet(reportQuery(session.mainTransaction(), queries::addressBookInternet(),
                                   {{"I_NAME"}, {"I_PREF"}, {"IT_NAME"}})),
      IBQuery_address(reportQuery(session.mainTransaction(),
                                  queries::addressBookAddress(postcode::hasWrittenColumn(session.mainTransaction())),
                                  {{"A_COUNTRY"}, {"A_POSTCODE", FieldKind::BigInt}, {"A_POSTCODE_TEXT"}, {"A_PREF"},
                                   {"A_STREET"}, {"A_TOWN"}, {"AT_NAME"}})),
      IBQuery_company(reportQuery(session.mainTransaction(), queries::addressBookCompany(), {{"O_NAME1"}, {"O_NAME2"}})),
      IBQuery_pwac(reportQuery(session.mainTransaction(), queries::addressBookEmployees(), {{"O_NAME"}})),
      m_objects(*IBQuery_objects), m_communication(*IBQuery_communication), m_internet(*IBQuery_internet),
      m_address(*IBQuery_address), m_pwac(*IBQuery_pwac)
{
    setObjectName(QStringLiteral("f_print_ad_book"));
    buildReport();
    m_objects.afterScroll = [this] { IBQuery_objectsAfterScroll(); };
    IBQuery_objects->open();
}

Tf_print_ad_book::~Tf_print_ad_book() = default;

void Tf_print_ad_book::buildReport()
{
    Report& r = QuickRep_addressbook;
    r.title = QStringLiteral("Address-Book");
    r.master = &m_objects;
    r.page = {.topMm = 10, .bottomMm = 20, .leftMm = 20, .rightMm = 20};

    Band& header = r.addBand({.name = "QRBand_header", .kind = BandKind::PageHeader, .heightMm = 13.5});
    QRLabel7 = &header.add({.name = "QRLabel7", .widthMm = 118.8, .font = {.pointSize = 18, .bold = true}, .stretch = true});

    Band& object = r.addBand({.name = "QRBand_object", .kind = BandKind::Detail, .heightMm = 7.1, .topRule = true});
    object.add({.name = "QRDBText1", .kind = ItemKind::DataText, .topMm = 2.1, .widthMm = 108.2,
                .font = {.pointSize = 10, .bold = true}, .stretch = true, .query = &m_objects, .column = "O_NAME"});

    Band& objectChild = r.addChild(object, {.name = "QRChildBand_object", .heightMm = 4.8, .beforePrint = [this](Band& b, bool& p) {
                                                QRChildBand_objectBeforePrint(b, p);
                                            }});
    objectChild.add({.name = "QRDBText4", .kind = ItemKind::DataText, .widthMm = 108.2, .font = k8, .stretch = true,
                     .query = &m_objects, .column = "O_ADDITIONAL"});

    Band& telephone = r.addBand({.name = "QRSubDetail_telephone", .kind = BandKind::SubDetail, .heightMm = 4.8,
                                 .query = &m_communication, .beforePrint = [this](Band& b, bool& p) {
                                     QRSubDetail_telephoneBeforePrint(b, p);
                                 }});
    QRLabel3 = &telephone.add({.name = "QRLabel3", .font = k8});
    QRLabel2 = &telephone.add({.name = "QRLabel2", .leftMm = 42.3, .widthMm = 65.9, .font = k8, .stretch = true});

    Band& assistant = r.addChild(telephone, {.name = "QRChildBand_telephone", .heightMm = 4.8,
                                             .beforePrint = [this](Band& b, bool& p) {
                                                 QRChildBand_telephoneBeforePrint(b, p);
                                             }});
    assistant.add({.name = "QRDBText2", .kind = ItemKind::DataText, .leftMm = 42.3, .widthMm = 65.9, .font = k8,
                   .stretch = true, .query = &m_communication, .column = "C_ASSISTENT"});

    Band& internet = r.addBand({.name = "QRSubDetail_internet", .kind = BandKind::SubDetail, .heightMm = 4.8,
                                .query = &m_internet, .beforePrint = [this](Band& b, bool& p) {
                                    QRSubDetail_internetBeforePrint(b, p);
                                }});
    QRLabel1 = &internet.add({.name = "QRLabel1", .font = k8});
    internet.add({.name = "QRDBText3", .kind = ItemKind::DataText, .leftMm = 42.3, .widthMm = 65.9, .font = k8,
                  .stretch = true, .query = &m_internet, .column = "I_NAME"});

    Band& address = r.addBand({.name = "QRSubDetail_address", .kind = BandKind::SubDetail, .heightMm = 4.8,
                               .query = &m_address, .beforePrint = [this](Band& b, bool& p) {
                                   QRSubDetail_addressBeforePrint(b, p);
                               }});
    QRLabel5 = &address.add({.name = "QRLabel5", .font = k8});
    QRLabel4 = &address.add({.name = "QRLabel4", .leftMm = 42.3, .widthMm = 65.9, .font = k8, .stretch = true});

    Band& company = r.addBand({.name = "QRSubDetail_company", .kind = BandKind::SubDetail, .heightMm = 5.0,
                               .beforePrint = [this](Band& b, bool& p) { QRSubDetail_companyBeforePrint(b, p); }});
    QRLabel6 = &company.add({.name = "QRLabel6", .widthMm = 108.2, .font = k8, .stretch = true});

    Band& employees = r.addBand({.name = "QRSubDetail_pwac", .kind = BandKind::SubDetail, .heightMm = 4.8, .query = &m_pwac});
    employees.add({.name = "QRDBText5", .kind = ItemKind::DataText, .widthMm = 108.2, .font = k8, .stretch = true,
                   .query = &m_pwac, .column = "O_NAME"});

    Band& footer = r.addBand({.name = "QRBand_footer", .kind = BandKind::PageFooter, .heightMm = 8.5});
    footer.add({.name = "QRSysData2", .kind = ItemKind::DateTime, .topMm = 4.2, .font = {.pointSize = 6}});
    footer.add({.name = "QRSysData3", .kind = ItemKind::PageNumber, .leftMm = 116.4, .topMm = 4.2, .font = {.pointSize = 6}});

    Report::keepTogether({&object, &objectChild, &telephone, &assistant, &internet, &address, &company, &employees});
}

void Tf_print_ad_book::setTitle(const QString& title) { QRLabel7->text = title; }

int Tf_print_ad_book::preview() { return reports::showPreview(QuickRep_addressbook, parentWidget() ? parentWidget() : this); }

void Tf_print_ad_book::IBQuery_objectsAfterScroll()
{
    const int id = keyOf(*IBQuery_objects, QStringLiteral("O_ID"));
    const int company = keyOf(*IBQuery_objects, QStringLiteral("O_CID"));
    reopen(*IBQuery_communication, {{"c_oid", id}, {"o_cid", company}});
    reopen(*IBQuery_internet, {{"i_oid", id}, {"o_cid", company}});
    reopen(*IBQuery_address, {{"a_oid", id}, {"o_cid", company}});
    reopen(*IBQuery_company, {{"o_cid", company}});
    reopen(*IBQuery_pwac, {{"o_cid", id}});
}

void Tf_print_ad_book::QRChildBand_objectBeforePrint(Band&, bool& print)
{
    print = hasText(IBQuery_objects->value(QStringLiteral("O_ADDITIONAL")));
}

void Tf_print_ad_book::QRSubDetail_telephoneBeforePrint(Band&, bool& print)
{
    const DataSet& c = *IBQuery_communication;
    print = hasText(c.value(QStringLiteral("C_NUMBER")));
    QRLabel2->text = reports::numberText(c.value(QStringLiteral("C_PREFIX")), c.value(QStringLiteral("C_NUMBER")));
    QRLabel3->text = reports::typeText(c.value(QStringLiteral("CT_NAME")), c.value(QStringLiteral("C_PREF")));
}

void Tf_print_ad_book::QRChildBand_telephoneBeforePrint(Band&, bool& print)
{
    print = hasText(IBQuery_communication->value(QStringLiteral("C_ASSISTENT")));
}

void Tf_print_ad_book::QRSubDetail_internetBeforePrint(Band&, bool& print)
{
    const DataSet& i = *IBQuery_internet;
    print = hasText(i.value(QStringLiteral("I_NAME")));
    QRLabel1->text = reports::typeText(i.value(QStringLiteral("IT_NAME")), i.value(QStringLiteral("I_PREF")));
}

void Tf_print_ad_book::QRSubDetail_addressBeforePrint(Band&, bool& print)
{
    const DataSet& a = *IBQuery_address;
    print = hasText(a.value(QStringLiteral("AT_NAME")));
    QRLabel4->text = reports::addressText(a.value(QStringLiteral("A_COUNTRY")), a.value(QStringLiteral("A_POSTCODE")),
                                          a.value(QStringLiteral("A_TOWN")), a.value(QStringLiteral("A_STREET")),
                                          a.value(QStringLiteral("A_POSTCODE_TEXT")));
    QRLabel5->text = reports::typeText(a.value(QStringLiteral("AT_NAME")), a.value(QStringLiteral("A_PREF")));
}

void Tf_print_ad_book::QRSubDetail_companyBeforePrint(Band&, bool& print)
{
    const DataSet& c = *IBQuery_company;
    print = hasText(c.value(QStringLiteral("O_NAME1")));
    QRLabel6->text = reports::worksAtText(c.value(QStringLiteral("O_NAME1")), c.value(QStringLiteral("O_NAME2")));
}

} // namespace pellori
