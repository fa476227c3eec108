#include "lookups/f_salutations.h"

namespace pellori {

const LookupEditor::Config& Tf_salutation::configuration()
{
    static const Config config{
        QStringLiteral("Tf_salutation"),
        QStringLiteral("salutation"),
        QStringLiteral("select * from salutation order by s_name asc"),
        QStringLiteral("insert into salutation\n"
                         "  (S_ID, S_NAME)\n"
                         "values\n"
                         "  (:S_ID, :S_NAME)"),
        QStringLiteral("update salutation\n"
                         "set\n"
                         "  S_ID = :S_ID,\n"
                         "  S_NAME = :S_NAME\n"
                         "where\n"
                         "  S_ID = :OLD_S_ID"),
        QStringLiteral("delete from salutation\n"
                         "where\n"
                         "  S_ID = :OLD_S_ID"),
        QStringLiteral("Select *\n"
                         "from salutation\n"
                         "where\n"
                         "  S_ID = :S_ID"),
        QStringLiteral("S_ID"),
        {QStringLiteral("S_NAME"), QStringLiteral("Salutation"), QStringLiteral("salutation"), 0},
        {},
        QStringLiteral("Salutations"),
        QStringLiteral("salutations"),
        QStringLiteral("Salutations"),
        QStringLiteral("salutations"),
        QStringLiteral("Close"),
        QStringLiteral("Help"),
        QStringLiteral("?"),
        QSize(257, 209),
        false,
    };
    return config;
}

Tf_salutation::Tf_salutation(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
