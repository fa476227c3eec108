#pragma once
// The vendor's web presence: one host for the FAQ page, the download link and
// the web name shown in captions.
#include <QString>

namespace pellori::vendor {

inline constexpr const char* kWebHost = "www.pellori.example";
inline constexpr const char* kWebName = "pellori.example";

// The main window's caption and the application's title.
inline QString applicationTitle() { return QString::fromLatin1(kWebName) + QStringLiteral(" - Pellori"); }
inline QString faqAddress()
{
    return QStringLiteral("http://") + QString::fromLatin1(kWebHost) + QStringLiteral("/download/pellori_faq.html");
}
inline QString downloadAddress()
{
    return QStringLiteral("http://") + QString::fromLatin1(kWebHost) + QStringLiteral("/download");
}

} // namespace pellori::vendor
