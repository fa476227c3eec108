#include "data/upgrades/UpgradeSteps.h"

namespace pellori::upgrades {

const std::vector<Step>& steps()
{
    static const std::vector<Step> kSteps = {
        {
            // Deleted contacts, each with every row it had, until restored or purged.
            .name = step::kTrash,
            .feature = "upgrade_feature_trash",
            .statements =
                {
                    "create generator G_PELLORI_TRASH_PT_ID",
                    "create table pellori_trash ("
                    " PT_ID      integer not null,"
                    " PT_OID     integer not null,"
                    " PT_TYPE    char(1) character set ISO8859_1 not null,"
                    " PT_NAME    varchar(255) character set ISO8859_1,"
                    " PT_DELETED timestamp default current_timestamp not null,"
                    " PT_USER    varchar(63) character set UTF8 default current_user,"
                    " PT_ROWS    blob sub_type 0 not null,"
                    " constraint PK_PELLORI_TRASH primary key (PT_ID))",
                    "create descending index IDX_PELLORI_TRASH_DELETED on pellori_trash (PT_DELETED)",
                    "grant all on pellori_trash to public",
                    "grant usage on generator G_PELLORI_TRASH_PT_ID to public",
                },
        },
        searchStep(),
    };
    return kSteps;
}

} // namespace pellori::upgrades
