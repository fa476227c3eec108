#include "lookups/f_salutations.h"

namespace pellori {

const LookupEditor::Config& Tf_salutation::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_salutation"),
        .table = QStringLiteral("salutation"),
        .selectSql = QStringLiteral("select * from salutation order by s_name asc"),
        .insertSql = QStringLiteral("insert into salutation\n"
                  "  (S_ID, S_NAME)\n"
                  "values\n"
                  "  (:S_ID, :S_NAME)"),
        .modifySql = QStringLiteral("update salutation\n"
                  "set\n"
                  "  S_ID = :S_ID,\n"
                  "  S_NAME = :S_NAME\n"
                  "where\n"
                  "  S_ID = :OLD_S_ID"),
        .deleteSql = QStringLiteral("delete from salutation\n"
                  "where\n"
                  "  S_ID = :OLD_S_ID"),
        .refreshSql = QStringLiteral("Select *\n"
                  "from salutation\n"
                  "where\n"
                  "  S_ID = :S_ID"),
        .keyField = QStringLiteral("S_ID"),
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
