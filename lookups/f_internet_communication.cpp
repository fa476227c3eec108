#include "lookups/f_internet_communication.h"

namespace pellori {

const LookupEditor::Config& Tf_internet::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_internet"),
        .table = QStringLiteral("internettype"),
        .selectSql = QStringLiteral("select * from internettype order by it_sort asc"),
        .insertSql = QStringLiteral("insert into internettype\n"
                  "  (IT_NAME, IT_SORT)\n"
                  "values\n"
                  "  (:IT_NAME, :IT_SORT)"),
        .modifySql = QStringLiteral("update internettype\n"
                  "set\n"
                  "  IT_NAME = :IT_NAME,\n"
                  "  IT_SORT = :IT_SORT\n"
                  "where\n"
                  "  IT_ID = :OLD_IT_ID"),
        .deleteSql = QStringLiteral("delete from internettype\n"
                  "where\n"
                  "  IT_ID = :OLD_IT_ID"),
        .refreshSql = QStringLiteral("Select *\n"
                  "from internettype\n"
                  "where\n"
                  "  IT_ID = :IT_ID"),
        .keyField = QStringLiteral("IT_ID"),
        .name = {.field = QStringLiteral("IT_NAME"),
                  .title = QStringLiteral("Name"), .titleKey = QStringLiteral("name"), .width = 241},
        .sort = {.field = QStringLiteral("IT_SORT"),
                  .title = QStringLiteral("Sort"), .titleKey = QStringLiteral("SortID"), .width = 32},
        .caption = QStringLiteral("CommunicationInternet"),
        .captionKey = QStringLiteral("communicationinternet"),
        .menuTitle = QStringLiteral("CommunicationInternet"),
        .menuKey = QStringLiteral("communicationinternet"),
        .closeText = QStringLiteral("Close"),
        .helpText = QStringLiteral("Help"),
        .questionMenu = QStringLiteral("?"),
        .clientSize = QSize(341, 433),
    };
    return config;
}

Tf_internet::Tf_internet(Session& session, QWidget* owner) : LookupEditor(configuration(), session, owner) {}

} // namespace pellori
