#include "editors/f_add_company.h"

#include "data/EditorQueries.h"
#include "data/tables/Tables.h"

namespace pellori {

const QuickAddDialog::Config& Tf_add_new_company::configuration()
{
    static const Config config{
        .className = QStringLiteral("Tf_add_new_company"),
        .captionKey = QStringLiteral("addnewcompany"),
        .caption = QStringLiteral("Add new Company"),
        .setsOwnCaption = true,
        .dataSetName = QStringLiteral("dataset_newcompany"),
        .transactionName = QStringLiteral("transaction_newcompany"),
        .selectSql = queries::newCompany(),
        .writes = tables::newCompanyWrites(),
        .fields = {{.name = "dbedit_name1", .field = QStringLiteral("O_NAME1"),
                    .labelKey = QStringLiteral("companyname1"), .label = QStringLiteral("Company name 1:"),
                    .labelPlace = QRect(176, 8, 250, 13), .place = QRect(176, 24, 250, 21), .tabOrder = 0},
                   {.name = "dbedit_name2", .field = QStringLiteral("O_NAME2"),
                    .labelKey = QStringLiteral("companyname2"), .label = QStringLiteral("Company name  2:"),
                    .labelPlace = QRect(176, 48, 250, 13), .place = QRect(176, 64, 250, 21), .tabOrder = 1},
                   {.name = "dbmemo_additional", .field = QStringLiteral("O_ADDITIONAL"),
                    .labelKey = QStringLiteral("additional"), .label = QStringLiteral("Additional:"),
                    .labelPlace = QRect(176, 88, 250, 13), .place = QRect(176, 104, 249, 33), .multiLine = true,
                    .tabOrder = 4}},
        .checks = {{.field = QStringLiteral("O_NAME1"), .messageKey = QStringLiteral("fillincompanyname1"),
                    .message = QStringLiteral("You must fill out \u00ABCompany name 1\u00BB.")}},
        .okName = "btn_ok",
        .okPlace = QRect(128, 144, 75, 25),
        .cancelPlace = QRect(216, 144, 75, 25),
        .okTabOrder = 2,
        .cancelTabOrder = 3,
        .clientSize = QSize(434, 177),
        .picturePlace = QRect(8, 8, 161, 121),
        .personPicture = false,
        .opensPerson = false,
    };
    return config;
}

Tf_add_new_company::Tf_add_new_company(Session& session, QWidget* owner)
    : QuickAddDialog(configuration(), session, owner)
{
}

} // namespace pellori
