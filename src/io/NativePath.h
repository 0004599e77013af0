// File names as the system stores them: bytes, usually but not always UTF-8. A name that is not
// valid UTF-8 is carried in a QString with each stray byte held as a lone surrogate (U+DC80 to
// U+DCFF), so that it converts back to the very same bytes and the file can be opened, saved and
// shown like any other.
#pragma once

#include <QByteArray>
#include <QString>

namespace kuvanto {

// The name of a file as it came from the system (a command-line argument, a directory entry).
QString decodePath(const QByteArray& bytes);

// The bytes to hand to the system for the name; the inverse of decodePath.
QByteArray encodePath(const QString& path);

// The name for messages: native separators, stray bytes shown as U+FFFD.
QString displayPath(const QString& path);

}  // namespace kuvanto
