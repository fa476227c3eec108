#pragma once
// What the program is asked to open when it starts: the desktop's "Open with"
// hands over a file as the one argument after the program's name.
#include <QString>
#include <QStringList>

namespace pellori {

// The files named after the program's name (arguments[0]), each as an absolute
// path: a relative path is taken from workingDir, a file: address becomes its
// local path. Empty arguments are passed over.
QStringList filesToOpen(const QStringList& arguments, const QString& workingDir);

} // namespace pellori
