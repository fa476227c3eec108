#include "lookups/f_addresstype.h"

#include "data/EditorQueries.h"
#include "data/tables/Tables.h"

namespace pellori {

const LookupEditor::Config& Tf_adresstypes::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_adresstypes"),
        .table = &tables::addressType(),
        .selectSql = queries::addressTypesBySort(),
        .name = {.field = QStringLiteral("AT_NAME"),
                  .title = QStringLiteral("Type of Address"), .titleKey = QStringLiteral("addresstypes"), .width = 190},
        .sort = {.field = QStringLiteral("AT_SORTID"),
                  .title = QStringLiteral("SortID"), .titleKey = QStringLiteral("SortID"), .width = 40},
        .caption = QStringLiteral("Adresstypes"),
        .captionKey = QStringLiteral("addresstypes"),
        .menuTitle = QStringLiteral("Addresstypes"),
        .menuKey = QStringLiteral("addresstypes"),
        .closeText = QStringLiteral("Close"),
        .helpText = QStringLiteral("Help"),
        .questionMenu = QStringLiteral("?"),
        .clientSize = QSize(279, 362),
    };
    return config;
}

Tf_adresstypes::Tf_adresstypes(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
