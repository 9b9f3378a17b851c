#pragma once
// File names as the system has them: bytes, not necessarily UTF-8. A name is carried in a QString
// with each byte that is not part of a UTF-8 character as the lone surrogate U+DC80..U+DCFF, so
// that it goes back to the system exactly as it came; shown, such a byte is a replacement mark.
#include <QByteArray>
#include <QString>

namespace ctl {

QString ArgumentFromNative(const QByteArray& argument);
QByteArray NativePath(const QString& path);

// "-": standard input where a file is read, standard output where one is written.
bool IsStandardStream(const QString& path);

// The file a save replaces: the end of a chain of symbolic links, so that the link stays and its
// target gets the settings; the path itself when it is no link.
QByteArray SaveTarget(const QByteArray& path);

}  // namespace ctl
