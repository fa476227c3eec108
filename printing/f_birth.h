#pragma once
// The birthday list's window: never shown, it holds the report and its two
// queries (the months, the persons of one month) on the session's connection
// and main transaction.
#include "printing/DataSetQuery.h"
#include "printing/engine/Report.h"

#include <QWidget>
#include <memory>

namespace pellori {

class Session;

class Tf_birthday : public QWidget {
    Q_OBJECT
public:
    // Opens the month list; the persons of the first month follow.
    Tf_birthday(Session& session, QWidget* owner);
    ~Tf_birthday() override;

    void setTitle(const QString& title);     // the caption of QRLabel3
    int preview();
    QString MonthName(int month) const;

private:
    void buildReport();
    void IBQuery_monthsAfterScroll();
    void QRBand_monthBeforePrint(report::Band& band, bool& print);
    void QRSubDetail_personsBeforePrint(report::Band& band, bool& print);

    Session& m_session;

public:
    std::unique_ptr<QueryDataSet> IBQuery_months, IBQuery_birthday;

private:
    reports::DataSetQuery m_months, m_persons;

public:
    report::Report QuickRep_birthday;
    report::PrintItem *QRLabel3 = nullptr, *QRLabel4 = nullptr, *QRLabel1 = nullptr;
};

} // namespace pellori
