#include "lookups/f_group.h"

namespace pellori {

const LookupEditor::Config& Tf_groups::configuration()
{
    static const Config config{
        QStringLiteral("Tf_groups"),
        QStringLiteral("groupt"),
        QStringLiteral("select * from groupt order by g_name asc"),
        QStringLiteral("insert into groupt\n"
                         "  (G_ID, G_NAME)\n"
                         "values\n"
                         "  (:G_ID, :G_NAME)"),
        QStringLiteral("update groupt\n"
                         "set\n"
                         "  G_ID = :G_ID,\n"
                         "  G_NAME = :G_NAME\n"
                         "where\n"
                         "  G_ID = :OLD_G_ID"),
        QStringLiteral("delete from groupt\n"
                         "where\n"
                         "  G_ID = :OLD_G_ID"),
        QStringLiteral("Select *\n"
                         "from groupt\n"
                         "where\n"
                         "  G_ID = :G_ID"),
        QStringLiteral("G_ID"),
        {QStringLiteral("G_NAME"), QStringLiteral("Name of the Group"), QStringLiteral("groups"), 0},
        {},
        QStringLiteral("Groups"),
        QStringLiteral("groups"),
        QStringLiteral("Groups"),
        QStringLiteral("groups"),
        QStringLiteral("Close"),
        QStringLiteral("Help"),
        QStringLiteral("?"),
        QSize(259, 375),
        false,
    };
    return config;
}

Tf_groups::Tf_groups(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
