#include "lookups/f_title.h"

namespace pellori {

const LookupEditor::Config& Tf_titles::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_titles"),
        .table = QStringLiteral("title"),
        .selectSql = QStringLiteral("select * from title order by t_name collate de_de asc"),
        .insertSql = QStringLiteral("insert into title\n"
                  "  (T_NAME)\n"
                  "values\n"
                  "  (:T_NAME)"),
        .modifySql = QStringLiteral("update title\n"
                  "set\n"
                  "  T_NAME = :T_NAME\n"
                  "where\n"
                  "  T_ID = :OLD_T_ID"),
        .deleteSql = QStringLiteral("delete from title\n"
                  "where\n"
                  "  T_ID = :OLD_T_ID"),
        .refreshSql = QStringLiteral("Select *\n"
                  "from title\n"
                  "where\n"
                  "  T_ID = :T_ID"),
        .keyField = QStringLiteral("T_ID"),
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
