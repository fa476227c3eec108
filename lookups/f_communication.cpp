#include "lookups/f_communication.h"

namespace pellori {

const LookupEditor::Config& Tf_type_communication::configuration()
{
    static const Config config{
        QStringLiteral("Tf_type_communication"),
        QStringLiteral("communicationtype"),
        QStringLiteral("Select ct_id, ct_name, ct_sortid from communicationtype order by ct_sortid asc"),
        QStringLiteral("insert into communicationtype\n"
                         "  (CT_NAME, CT_SORTID)\n"
                         "values\n"
                         "  (:CT_NAME, :CT_SORTID)"),
        QStringLiteral("update communicationtype\n"
                         "set\n"
                         "  CT_NAME = :CT_NAME,\n"
                         "  CT_SORTID = :CT_SORTID\n"
                         "where\n"
                         "  CT_ID = :OLD_CT_ID"),
        QStringLiteral("delete from communicationtype\n"
                         "where\n"
                         "  CT_ID = :OLD_CT_ID"),
        QStringLiteral("Select *\n"
                         "from communicationtype\n"
                         "where\n"
                         "  CT_ID = :CT_ID"),
        QStringLiteral("CT_ID"),
        {QStringLiteral("CT_NAME"), QStringLiteral("Communicationtype"), QStringLiteral("communicationtypes"), 165},
        {QStringLiteral("CT_SORTID"), QStringLiteral("SortID"), QStringLiteral("SortID"), 40},
        QStringLiteral("Communicationtypes"),
        QStringLiteral("communicationtypes"),
        QStringLiteral("Communicationtypes"),
        QStringLiteral("communicationtypes"),
        QStringLiteral("Close"),
        QStringLiteral("Help"),
        QStringLiteral("?"),
        QSize(260, 344),
        false,
    };
    return config;
}

Tf_type_communication::Tf_type_communication(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
