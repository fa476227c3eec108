#include "lookups/f_group.h"

namespace pellori {

const LookupEditor::Config& Tf_groups::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_groups"),
        .table = QStringLiteral("groupt"),
        .selectSql = QStringLiteral("select * from groupt order by g_name asc"),
        .insertSql = QStringLiteral("insert into groupt\n"
                  "  (G_ID, G_NAME)\n"
                  "values\n"
                  "  (:G_ID, :G_NAME)"),
        .modifySql = QStringLiteral("update groupt\n"
                  "set\n"
                  "  G_ID = :G_ID,\n"
                  "  G_NAME = :G_NAME\n"
                  "where\n"
                  "  G_ID = :OLD_G_ID"),
        .deleteSql = QStringLiteral("delete from groupt\n"
                  "where\n"
                  "  G_ID = :OLD_G_ID"),
        .refreshSql = QStringLiteral("Select *\n"
                  "from groupt\n"
                  "where\n"
                  "  G_ID = :G_ID"),
        .keyField = QStringLiteral("G_ID"),
        .name = {.field = QStringLiteral("G_NAME"),
                  .title = QStringLiteral("Name of the Group"), .titleKey = QStringLiteral("groups")},
        .caption = QStringLiteral("Groups"),
        .captionKey = QStringLiteral("groups"),
        .menuTitle = QStringLiteral("Groups"),
        .menuKey = QStringLiteral("groups"),
        .closeText = QStringLiteral("Close"),
        .helpText = QStringLiteral("Help"),
        .questionMenu = QStringLiteral("?"),
        .clientSize = QSize(259, 375),
    };
    return config;
}

Tf_groups::Tf_groups(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
