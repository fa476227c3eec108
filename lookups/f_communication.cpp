#include "lookups/f_communication.h"

namespace pellori {

const LookupEditor::Config& Tf_type_communication::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_type_communication"),
        .table = QStringLiteral("communicationtype"),
        .selectSql = QStringLiteral("Select ct_id, ct_name, ct_sortid from communicationtype order by ct_sortid asc"),
        .insertSql = QStringLiteral("insert into communicationtype\n"
                  "  (CT_NAME, CT_SORTID)\n"
                  "values\n"
                  "  (:CT_NAME, :CT_SORTID)"),
        .modifySql = QStringLiteral("update communicationtype\n"
                  "set\n"
                  "  CT_NAME = :CT_NAME,\n"
                  "  CT_SORTID = :CT_SORTID\n"
                  "where\n"
                  "  CT_ID = :OLD_CT_ID"),
        .deleteSql = QStringLiteral("delete from communicationtype\n"
                  "where\n"
                  "  CT_ID = :OLD_CT_ID"),
        .refreshSql = QStringLiteral("Select *\n"
                  "from communicationtype\n"
                  "where\n"
                  "  CT_ID = :CT_ID"),
        .keyField = QStringLiteral("CT_ID"),
        .name = {.field = QStringLiteral("CT_NAME"),
                  .title = QStringLiteral("Communicationtype"), .titleKey = QStringLiteral("communicationtypes"), .width = 165},
        .sort = {.field = QStringLiteral("CT_SORTID"),
                  .title = QStringLiteral("SortID"), .titleKey = QStringLiteral("SortID"), .width = 40},
        .caption = QStringLiteral("Communicationtypes"),
        .captionKey = QStringLiteral("communicationtypes"),
        .menuTitle = QStringLiteral("Communicationtypes"),
        .menuKey = QStringLiteral("communicationtypes"),
        .closeText = QStringLiteral("Close"),
        .helpText = QStringLiteral("Help"),
        .questionMenu = QStringLiteral("?"),
        .clientSize = QSize(260, 344),
    };
    return config;
}

Tf_type_communication::Tf_type_communication(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
