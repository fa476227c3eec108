#include "lookups/f_addresstype.h"

namespace pellori {

const LookupEditor::Config& Tf_adresstypes::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_adresstypes"),
        .table = QStringLiteral("addresstype"),
        .selectSql = QStringLiteral("select at_id, at_name, at_sortid from addresstype order by at_sortid asc"),
        .insertSql = QStringLiteral("insert into addresstype\n"
                  "  (AT_NAME, AT_SORTID)\n"
                  "values\n"
                  "  (:AT_NAME, :AT_SORTID)"),
        .modifySql = QStringLiteral("update addresstype\n"
                  "set\n"
                  "  AT_NAME = :AT_NAME,\n"
                  "  AT_SORTID = :AT_SORTID\n"
                  "where\n"
                  "  AT_ID = :OLD_AT_ID"),
        .deleteSql = QStringLiteral("delete from addresstype\n"
                  "where\n"
                  "  AT_ID = :OLD_AT_ID"),
        .refreshSql = QStringLiteral("Select *\n"
                  "from addresstype\n"
                  "where\n"
                  "  AT_ID = :AT_ID"),
        .keyField = QStringLiteral("AT_ID"),
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
