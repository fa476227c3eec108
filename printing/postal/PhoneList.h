#pragma once
// The phone list: the chosen contacts on A4 in two columns, each with its
// current numbers, under the initial letter of its name; the list's contacts
// too are put in the order of their names. A letter's heading
// never stands alone at the foot of a column, nor a name without its first
// number.
#include "printing/engine/Report.h"
#include "printing/postal/ContactSource.h"

#include <memory>

namespace pellori::postal {

// The letter a name is filed under: its first letter without accent or umlaut,
// in capitals ("Ärztehaus" under A); "#" for a name that begins otherwise.
QString fileLetter(const QString& name);

class PhoneListReport {
public:
    PhoneListReport(DbTransaction& transaction, const ContactChoice& choice, const QString& title);
    ~PhoneListReport();

    report::Report report;
    // Contacts listed so far.
    int listed() const { return m_listed; }

private:
    void contactAfterScroll();

    ContactSource m_contacts;
    std::unique_ptr<QueryDataSet> m_contact, m_numbers;
    std::unique_ptr<report::ReportQuery> m_numberRows;
    bool m_living = false;
    int m_listed = 0;
    QString m_name, m_letter, m_lastLetter;
};

} // namespace pellori::postal
