#include "lookups/f_communication.h"

#include "data/EditorQueries.h"
#include "data/tables/Tables.h"

namespace pellori {

const LookupEditor::Config& Tf_type_communication::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_type_communication"),
        .table = &tables::communicationType(),
        .selectSql = queries::communicationTypesBySort(),
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
