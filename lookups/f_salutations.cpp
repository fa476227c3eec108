#include "lookups/f_salutations.h"

#include "data/EditorQueries.h"
#include "data/tables/Tables.h"

namespace pellori {

const LookupEditor::Config& Tf_salutation::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_salutation"),
        .table = &tables::salutation(),
        .selectSql = queries::salutationsByName(),
        .name = {.field = QStringLiteral("S_NAME"),
                  .title = QStringLiteral("Salutation"), .titleKey = QStringLiteral("salutation")},
        .caption = QStringLiteral("Salutations"),
        .captionKey = QStringLiteral("salutations"),
        .menuTitle = QStringLiteral("Salutations"),
        .menuKey = QStringLiteral("salutations"),
        .closeText = QStringLiteral("Close"),
        .helpText = QStringLiteral("Help"),
        .questionMenu = QStringLiteral("?"),
        .clientSize = QSize(257, 209),
    };
    return config;
}

Tf_salutation::Tf_salutation(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
