#pragma once
// Reading one contact's row of the postal statement into what its address
// block needs. The postcode's printed form is made here and nowhere else.
#include "printing/postal/AddressBlock.h"

#include <QVariant>

namespace pellori {
class DataSet;
}

namespace pellori::postal {

// The postcode as it is printed: as every reader shows it (data/Postcode.h),
// the number 0 without a written postcode standing for none. `country` is the
// address's, `senderCountry` stands in when the address names none.
QString postcodeText(const QVariant& postcode, const QString& country, const QString& senderCountry,
                     const QVariant& written = QVariant());

// The current row of the postal statement; a row with no address has hasAddress false.
PostalContact readPostalContact(const DataSet& row, const QString& senderCountry);

} // namespace pellori::postal
