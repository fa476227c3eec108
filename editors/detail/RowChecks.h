#pragma once
// The checks a detail row passes before it is saved, in their order: the
// first that fails gives its message (the catalogue's text when loaded).
#include "editors/detail/DetailListConfig.h"

#include <QVariant>
#include <functional>
#include <optional>

namespace pellori {

class TLang;

std::optional<QString> failedRowCheck(const QList<RowCheck>& checks,
                                      const std::function<QVariant(const QString& field)>& valueOf, const TLang& lang);

} // namespace pellori
