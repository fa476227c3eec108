#include "lookups/f_addresstype.h"

namespace pellori {

const LookupEditor::Config& Tf_adresstypes::configuration()
{
    static const Config config{
        QStringLiteral("Tf_adresstypes"),
        QStringLiteral("addresstype"),
        QStringLiteral("select at_id, at_name, at_sortid from addresstype order by at_sortid asc"),
        QStringLiteral("insert into addresstype\n"
                         "  (AT_NAME, AT_SORTID)\n"
                         "values\n"
                         "  (:AT_NAME, :AT_SORTID)"),
        QStringLiteral("update addresstype\n"
                         "set\n"
                         "  AT_NAME = :AT_NAME,\n"
                         "  AT_SORTID = :AT_SORTID\n"
                         "where\n"
                         "  AT_ID = :OLD_AT_ID"),
        QStringLiteral("delete from addresstype\n"
                         "where\n"
                         "  AT_ID = :OLD_AT_ID"),
        QStringLiteral("Select *\n"
                         "from addresstype\n"
                         "where\n"
                         "  AT_ID = :AT_ID"),
        QStringLiteral("AT_ID"),
        {QStringLiteral("AT_NAME"), QStringLiteral("Type of Address"), QStringLiteral("addresstypes"), 190},
        {QStringLiteral("AT_SORTID"), QStringLiteral("SortID"), QStringLiteral("SortID"), 40},
        QStringLiteral("Adresstypes"),
        QStringLiteral("addresstypes"),
        QStringLiteral("Addresstypes"),
        QStringLiteral("addresstypes"),
        QStringLiteral("Close"),
        QStringLiteral("Help"),
        QStringLiteral("?"),
        QSize(279, 362),
        false,
    };
    return config;
}

Tf_adresstypes::Tf_adresstypes(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
