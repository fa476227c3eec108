#pragma once
// Labels and envelopes as reports: one band per contact with an address,
// holding its address block. Labels fill a sheet along its rows from any
// label on; an envelope is a page of its own with the address in the window.
// The contacts are read one at a time by key as the report moves on.
#include "printing/engine/Report.h"
#include "printing/postal/AddressBlock.h"
#include "printing/postal/ContactSource.h"

#include <QStringList>
#include <memory>

namespace pellori {
class DbTransaction;
class QueryDataSet;
} // namespace pellori

namespace pellori::report {
class TextMeasure;
}

namespace pellori::postal {

struct LabelSheet;
struct EnvelopeFormat;

class PostalReport {
public:
    // Labels on the sheet, the first on label `start` (from 0) of the first sheet.
    PostalReport(DbTransaction& transaction, const ContactChoice& choice, const LabelSheet& sheet, int start,
                 const QString& senderCountry);
    // One envelope per contact, the sender's line above the address.
    PostalReport(DbTransaction& transaction, const ContactChoice& choice, const EnvelopeFormat& format,
                 const QString& senderLine, const QString& senderCountry);
    ~PostalReport();

    report::Report report;
    // Contacts without any address, left out so far, by the names the list shows.
    const QStringList& leftOut() const { return m_leftOut; }
    // Living contacts met so far, and address blocks placed for them.
    int seen() const { return m_seen; }
    int printed() const { return m_printed; }

private:
    PostalReport(DbTransaction& transaction, const ContactChoice& choice, const QString& senderCountry);
    void addressBeforePrint(bool& print);

    ContactSource m_contacts;
    std::unique_ptr<QueryDataSet> m_row;
    std::unique_ptr<report::TextMeasure> m_measure;
    QString m_senderCountry;
    BlockRules m_rules;
    report::PrintItem* m_address = nullptr;
    double m_boxTopMm = 0, m_boxHeightMm = 0;   // the block is centred in this box (labels)
    bool m_centred = false;
    QStringList m_leftOut;
    int m_seen = 0, m_printed = 0;
};

} // namespace pellori::postal
