#include "lookups/f_group.h"

#include "data/EditorQueries.h"
#include "data/tables/Tables.h"

namespace pellori {

const LookupEditor::Config& Tf_groups::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_groups"),
        .table = &tables::groupt(),
        .selectSql = queries::groupsByName(),
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
