#include "lookups/f_internet_communication.h"

namespace pellori {

const LookupEditor::Config& Tf_internet::configuration()
{
    static const Config config{
        QStringLiteral("Tf_internet"),
        QStringLiteral("internettype"),
        QStringLiteral("select * from internettype order by it_sort asc"),
        QStringLiteral("insert into internettype\n"
                         "  (IT_NAME, IT_SORT)\n"
                         "values\n"
                         "  (:IT_NAME, :IT_SORT)"),
        QStringLiteral("update internettype\n"
                         "set\n"
                         "  IT_NAME = :IT_NAME,\n"
                         "  IT_SORT = :IT_SORT\n"
                         "where\n"
                         "  IT_ID = :OLD_IT_ID"),
        QStringLiteral("delete from internettype\n"
                         "where\n"
                         "  IT_ID = :OLD_IT_ID"),
        QStringLiteral("Select *\n"
                         "from internettype\n"
                         "where\n"
                         "  IT_ID = :IT_ID"),
        QStringLiteral("IT_ID"),
        {QStringLiteral("IT_NAME"), QStringLiteral("Name"), QStringLiteral("name"), 241},
        {QStringLiteral("IT_SORT"), QStringLiteral("Sort"), QStringLiteral("SortID"), 32},
        QStringLiteral("CommunicationInternet"),
        QStringLiteral("communicationinternet"),
        QStringLiteral("CommunicationInternet"),
        QStringLiteral("communicationinternet"),
        QStringLiteral("Close"),
        QStringLiteral("Help"),
        QStringLiteral("?"),
        QSize(341, 433),
        false,
    };
    return config;
}

Tf_internet::Tf_internet(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
