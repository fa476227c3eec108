#include "lookups/f_internet_communication.h"

#include "data/EditorQueries.h"
#include "data/tables/Tables.h"

namespace pellori {

const LookupEditor::Config& Tf_internet::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_internet"),
        .table = &tables::internetType(),
        .selectSql = queries::internetTypesBySort(),
        .name = {.field = QStringLiteral("IT_NAME"),
                  .title = QStringLiteral("Name"), .titleKey = QStringLiteral("name"), .width = 241},
        .sort = {.field = QStringLiteral("IT_SORT"),
                  .title = QStringLiteral("Sort"), .titleKey = QStringLiteral("SortID"), .width = 32},
        .caption = QStringLiteral("CommunicationInternet"),
        .captionKey = QStringLiteral("communicationinternet"),
        .menuTitle = QStringLiteral("CommunicationInternet"),
        .menuKey = QStringLiteral("communicationinternet"),
        .closeText = QStringLiteral("Close"),
        .helpText = QStringLiteral("Help"),
        .questionMenu = QStringLiteral("?"),
        .clientSize = QSize(341, 433),
    };
    return config;
}

Tf_internet::Tf_internet(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
