#include "printing/postal/Envelope.h"

namespace pellori::postal {

namespace {

const EnvelopeFormat kFormats[] = {
    {"DL", 220, 110, QRectF(20, 110 - 15 - 45, 90, 45)},
    {"C6", 162, 114, QRectF(20, 114 - 15 - 45, 90, 45)},
    {"C5", 229, 162, QRectF(20, 50, 90, 45)},
};

constexpr double kInsetMm = 5, kSenderZoneMm = 17.7, kAddressZoneMm = 27.3, kZoneWidthMm = 80;

} // namespace

std::span<const EnvelopeFormat> envelopeFormats() { return kFormats; }

const EnvelopeFormat& envelopeFormat(const QString& id)
{
    for (const EnvelopeFormat& f : kFormats)
        if (id.compare(QLatin1String(f.id), Qt::CaseInsensitive) == 0)
            return f;
    return kFormats[0];
}

WindowZones windowZones(const EnvelopeFormat& format)
{
    const QPointF origin = format.windowMm.topLeft() + QPointF(kInsetMm, 0);
    return {QRectF(origin, QSizeF(kZoneWidthMm, kSenderZoneMm)),
            QRectF(origin + QPointF(0, kSenderZoneMm), QSizeF(kZoneWidthMm, kAddressZoneMm))};
}

} // namespace pellori::postal
