#include "editors/f_add_person.h"

#include "data/EditorQueries.h"
#include "data/tables/Tables.h"

namespace pellori {

const QuickAddDialog::Config& Tf_add_new_person::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_add_new_person"),
        .captionKey = QStringLiteral("addnewperson"),
        .caption = QStringLiteral("Add new Person"),
        .dataSetName = QStringLiteral("dataset_addnewperson"),
        .transactionName = QStringLiteral("transaction_addnewperson"),
        .selectSql = queries::newPerson(),
        .writes = tables::newPersonWrites(),
        .fields = {{.name = "dbedit_familyname", .field = QStringLiteral("O_NAME1"),
                    .labelKey = QStringLiteral("familyname"), .label = QStringLiteral("Family name:"),
                    .labelPlace = QRect(112, 8, 250, 13), .place = QRect(112, 24, 250, 21), .tabOrder = 0},
                   {.name = "dbedit_firstname", .field = QStringLiteral("O_NAME2"),
                    .labelKey = QStringLiteral("firstname"), .label = QStringLiteral("First name:"),
                    .labelPlace = QRect(112, 48, 250, 13), .place = QRect(112, 64, 250, 21), .tabOrder = 1}},
        .checks = {{.field = QStringLiteral("O_NAME1"), .messageKey = QStringLiteral("fillinfamilyname"),
                    .message = QStringLiteral("You must fill out \u00ABFamily name\u00BB.")},
                   {.field = QStringLiteral("O_NAME2"), .messageKey = QStringLiteral("fillinfirstname"),
                    .message = QStringLiteral("You must fill out \u00ABFirst name\u00BB.")}},
        .okName = "btn_OK",
        .okPlace = QRect(208, 104, 75, 25),
        .cancelPlace = QRect(288, 104, 75, 25),
        .okTabOrder = 2,
        .cancelTabOrder = 3,
        .clientSize = QSize(369, 140),
        .picturePlace = QRect(8, 8, 89, 121),
        .personPicture = true,
        .opensPerson = true,
    };
    return config;
}

Tf_add_new_person::Tf_add_new_person(Session& session, QWidget* owner)
    : QuickAddDialog(configuration(), session, owner)
{
}

} // namespace pellori
