#include "lookups/f_title.h"

#include "data/EditorQueries.h"
#include "data/tables/Tables.h"

namespace pellori {

const LookupEditor::Config& Tf_titles::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_titles"),
        .table = &tables::title(),
        .selectSql = queries::titlesByName(),
        .name = {.field = QStringLiteral("T_NAME"),
                  .title = QStringLiteral("Title"), .titleKey = QStringLiteral("title")},
        .caption = QStringLiteral("Titles"),
        .captionKey = QStringLiteral("titles"),
        .menuTitle = QStringLiteral("&Titles"),
        .menuKey = QStringLiteral("titles"),
        .closeText = QStringLiteral("&Close"),
        .helpText = QStringLiteral("&Help"),
        .questionMenu = QStringLiteral("&?"),
        .clientSize = QSize(258, 396),
        .minMaxButtons = true,
    };
    return config;
}

Tf_titles::Tf_titles(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
