// Why a file could not be read or written, said in Japanese for the program's messages: the
// system's own error texts are English and would end up inside Japanese sentences. The reason is
// found from the path itself where it tells (missing, a folder, no permission), then from the
// system error number, then from Qt's error class.
#pragma once

#include <QFileDevice>
#include <QString>

namespace kuvanto {

enum class FileAccess { read, write };

// A short Japanese reason, such as "ファイルが見つかりません". `systemError` is the errno value
// seen right after the failure (0 when unknown).
QString fileErrorReason(const QString& path, FileAccess access, QFileDevice::FileError error,
                        int systemError);

}  // namespace kuvanto
