#include "lookups/f_title.h"

namespace pellori {

const LookupEditor::Config& Tf_titles::configuration()
{
    static const Config config{
        QStringLiteral("Tf_titles"),
        QStringLiteral("title"),
        QStringLiteral("select * from title order by t_name collate de_de asc"),
        QStringLiteral("insert into title\n"
                         "  (T_NAME)\n"
                         "values\n"
                         "  (:T_NAME)"),
        QStringLiteral("update title\n"
                         "set\n"
                         "  T_NAME = :T_NAME\n"
                         "where\n"
                         "  T_ID = :OLD_T_ID"),
        QStringLiteral("delete from title\n"
                         "where\n"
                         "  T_ID = :OLD_T_ID"),
        QStringLiteral("Select *\n"
                         "from title\n"
                         "where\n"
                         "  T_ID = :T_ID"),
        QStringLiteral("T_ID"),
        {QStringLiteral("T_NAME"), QStringLiteral("Title"), QStringLiteral("title"), 0},
        {},
        QStringLiteral("Titles"),
        QStringLiteral("titles"),
        QStringLiteral("&Titles"),
        QStringLiteral("titles"),
        QStringLiteral("&Close"),
        QStringLiteral("&Help"),
        QStringLiteral("&?"),
        QSize(258, 396),
        true,
    };
    return config;
}

Tf_titles::Tf_titles(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
