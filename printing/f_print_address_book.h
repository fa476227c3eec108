#pragma once
// The address book report's window: never shown, it holds the report and its
// six queries on the session's connection and main transaction. A print
// command creates it with its master statement, sets the title, opens the
// preview and destroys it.
#include "printing/DataSetQuery.h"
#include "printing/engine/Report.h"

#include <QWidget>
#include <memory>

namespace pellori {

class Session;

class Tf_print_ad_book : public QWidget {
    Q_OBJECT
public:
    // Opens the master list with the statement given (all living contacts
    // unless another is); the details follow it as the report moves.
    Tf_print_ad_book(Session& session, QWidget* owner, const QString& masterSql = QString());
    ~Tf_print_ad_book() override;

    // The caption of the title text; the report puts nothing there itself.
    void setTitle(const QString& title);
    // The modal preview; returns when the user closes it.
    int preview();

private:
    Session& m_session;

public:
    // Declared before the report and its adapters, so they go last.
    std::unique_ptr<QueryDataSet> IBQuery_objects, IBQuery_communication, IBQuery_internet, IBQuery_address,
        IBQuery_company, IBQuery_pwac;

private:
    void buildReport();
    void IBQuery_objectsAfterScroll();
    void QRChildBand_objectBeforePrint(report::Band& band, bool& print);
    void QRSubDetail_telephoneBeforePrint(report::Band& band, bool& print);
    void QRChildBand_telephoneBeforePrint(report::Band& band, bool& print);
    void QRSubDetail_internetBeforePrint(report::Band& band, bool& print);
    void QRSubDetail_addressBeforePrint(report::Band& band, bool& print);
    void QRSubDetail_companyBeforePrint(report::Band& band, bool& print);

    reports::DataSetQuery m_objects, m_communication, m_internet, m_address, m_pwac;

public:
    report::Report QuickRep_addressbook;
    report::PrintItem *QRLabel7 = nullptr, *QRLabel3 = nullptr, *QRLabel2 = nullptr, *QRLabel1 = nullptr,
                      *QRLabel5 = nullptr, *QRLabel4 = nullptr, *QRLabel6 = nullptr;
};

} // namespace pellori
