#include "printing/postal/PostalReport.h"

#include "data/ContactQueries.h"
#include "data/Postcode.h"
#include "printing/DataSetQuery.h"
#include "printing/engine/ReportFonts.h"
#include "printing/postal/Envelope.h"
#include "printing/postal/LabelSheet.h"
#include "printing/postal/PostalAddress.h"

#include <cmath>

namespace pellori::postal {

using namespace report;

namespace {

constexpr double kLabelPaddingXMm = 4, kLabelPaddingYMm = 2;
constexpr double kLargestPt = 10, kSmallestPt = 6;
// A label is set in the largest size (in half points) at which this many lines fit.
constexpr int kLabelLines = 6;
const FontStyle kEnvelopeAddress{.pointSize = 10};
const FontStyle kEnvelopeSender{.pointSize = 7};
constexpr double kSenderGapMm = 1;   // between the sender's line and the address

} // namespace

PostalReport::PostalReport(DbTransaction& transaction, const ContactChoice& choice, const QString& senderCountry)
    : m_contacts(transaction, choice),
      m_row(reports::reportQuery(transaction, queries::postalContact(postcode::hasWrittenColumn(transaction)),
                                 {{"O_ID", FieldKind::Integer}, {"O_TYPE"}, {"O_NAME1"}, {"O_NAME2"}, {"S_NAME"},
                                  {"T_NAME"}, {"A_STREET"}, {"A_POSTCODE", FieldKind::BigInt}, {"A_POSTCODE_TEXT"},
                                  {"A_TOWN"},
                                  {"A_COUNTRY"}, {"E_NAME1"}, {"E_NAME2"}})),
      m_measure(std::make_unique<TextMeasure>()), m_senderCountry(senderCountry)
{
    report.master = &m_contacts.query();
    m_contacts.query().afterScroll = [this] {
        m_row->close();
        m_row->setParam(QStringLiteral("o_id"), m_contacts.currentKey());
        m_row->open();
    };
    m_rules.senderCountry = senderCountry;
}

PostalReport::PostalReport(DbTransaction& transaction, const ContactChoice& choice, const LabelSheet& sheet, int start,
                           const QString& senderCountry)
    : PostalReport(transaction, choice, senderCountry)
{
    const double pitchY = sheet.labelHeightMm + sheet.gapYMm;
    const double used = sheet.columns * sheet.labelWidthMm + (sheet.columns - 1) * sheet.gapXMm;
    report.page = {.paperWidthMm = sheet.paperWidthMm, .paperHeightMm = sheet.paperHeightMm, .topMm = sheet.topMm,
                   .bottomMm = sheet.paperHeightMm - sheet.topMm - sheet.rows * pitchY, .leftMm = sheet.leftMm,
                   .rightMm = sheet.paperWidthMm - sheet.leftMm - used, .columns = sheet.columns,
                   .headerOnFirstPage = false, .footerOnLastPage = false, .printIfEmpty = false,
                   .columnGapMm = sheet.gapXMm, .columnOrder = ColumnOrder::AcrossThenDown, .skipCells = start};

    const double padX = qMin(kLabelPaddingXMm, sheet.labelWidthMm / 10);
    const double padY = qMin(kLabelPaddingYMm, sheet.labelHeightMm / 10);
    m_boxTopMm = padY;
    m_boxHeightMm = sheet.labelHeightMm - 2 * padY;
    FontStyle font{.pointSize = kLargestPt};
    while (font.pointSize > kSmallestPt && kLabelLines * m_measure->lineHeightMm(font) > m_boxHeightMm)
        font.pointSize -= 0.5;
    m_rules.maxLines = qMax(1, int(std::floor(m_boxHeightMm / m_measure->lineHeightMm(font) + 1e-6)));
    m_centred = true;

    Band& label = report.addBand({.name = "label", .kind = BandKind::Detail, .heightMm = pitchY,
                                  .beforePrint = [this](Band&, bool& print) { addressBeforePrint(print); }});
    m_address = &label.add({.name = "address", .leftMm = padX, .topMm = padY,
                            .widthMm = sheet.labelWidthMm - 2 * padX, .font = font, .elide = true});
    const double width = m_address->widthMm;
    m_rules.fits = [this, font, width](const QString& line) { return m_measure->elide(font, line, width) == line; };
}

PostalReport::PostalReport(DbTransaction& transaction, const ContactChoice& choice, const EnvelopeFormat& format,
                           const QString& senderLine, const QString& senderCountry)
    : PostalReport(transaction, choice, senderCountry)
{
    report.page = {.paperWidthMm = format.heightMm, .paperHeightMm = format.widthMm, .landscape = true, .topMm = 0,
                   .bottomMm = 0, .leftMm = 0, .rightMm = 0, .headerOnFirstPage = false, .footerOnLastPage = false,
                   .printIfEmpty = false};
    const WindowZones zones = windowZones(format);
    m_rules.maxLines = int(std::floor(zones.addressMm.height() / m_measure->lineHeightMm(kEnvelopeAddress)));

    // A whole page to each envelope: the next one cannot fit beside it.
    Band& envelope = report.addBand({.name = "envelope", .kind = BandKind::Detail, .heightMm = format.heightMm,
                                     .beforePrint = [this](Band&, bool& print) { addressBeforePrint(print); }});
    envelope.add({.name = "sender", .leftMm = zones.senderMm.left(),
                  .topMm = zones.senderMm.bottom() - m_measure->lineHeightMm(kEnvelopeSender) - kSenderGapMm,
                  .widthMm = zones.senderMm.width(), .font = kEnvelopeSender, .text = senderLine.simplified(),
                  .elide = true});
    m_address = &envelope.add({.name = "address", .leftMm = zones.addressMm.left(), .topMm = zones.addressMm.top(),
                               .widthMm = zones.addressMm.width(), .font = kEnvelopeAddress, .elide = true});
    const double width = m_address->widthMm;
    m_rules.fits = [this, width](const QString& line) {
        return m_measure->elide(kEnvelopeAddress, line, width) == line;
    };
}

PostalReport::~PostalReport() = default;

void PostalReport::addressBeforePrint(bool& print)
{
    // No row: the contact is not living (or no longer there).
    if (m_row->isEmpty()) {
        print = false;
        return;
    }
    ++m_seen;
    const PostalContact contact = readPostalContact(*m_row, m_senderCountry);
    if (!contact.hasAddress) {
        m_leftOut << listName(contact.company, contact.name1, contact.name2);
        print = false;
        return;
    }
    const QStringList lines = addressBlock(contact, m_rules);
    m_address->text = lines.join(QLatin1Char('\n'));
    if (m_centred)
        m_address->topMm =
            m_boxTopMm + qMax(0.0, (m_boxHeightMm - lines.size() * m_measure->lineHeightMm(m_address->font)) / 2);
    ++m_printed;
}

} // namespace pellori::postal
