// Japanese reasons for failed file reads and writes.
#include "io/FileErrorText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace kuvanto {

namespace {

const QString kNotFound = QStringLiteral("ファイルが見つかりません");
const QString kFolderNotFound = QStringLiteral("保存先のフォルダーが見つかりません");
const QString kNoPermission = QStringLiteral("アクセスする権限がありません");
const QString kDiskFull = QStringLiteral("ディスクの空き容量が足りません");
const QString kIsFolder = QStringLiteral("フォルダーであり、通常のファイルではありません");
const QString kNotRegular = QStringLiteral("通常のファイルではありません");

QString fromPath(const QString& path, FileAccess access) {
    const QFileInfo info(path);
    if (access == FileAccess::read) {
        if (!info.exists()) return kNotFound;
        if (info.isDir()) return kIsFolder;
        if (!info.isFile()) return kNotRegular;
        if (!info.isReadable()) return kNoPermission;
        return {};
    }
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists()) return kFolderNotFound;
    if (!folder.isDir()) return QStringLiteral("保存先がフォルダーではありません");
    if (info.isDir()) return kIsFolder;
    if (info.exists() && !info.isFile()) return kNotRegular;
    // A file without any write permission is read-only even for the superuser, whom the system
    // would let write it.
    constexpr QFile::Permissions anyWrite =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & anyWrite)))
        return QStringLiteral("書き込みが禁止されています");
    if (!folder.isWritable()) return QStringLiteral("保存先のフォルダーに書き込む権限がありません");
    return {};
}

QString fromSystemError(int systemError, FileAccess access) {
    switch (systemError) {
        case ENOENT:
            return access == FileAccess::read ? kNotFound : kFolderNotFound;
        case EACCES:
        case EPERM:
            return kNoPermission;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return kDiskFull;
        case EISDIR:
            return kIsFolder;
        case ENOTDIR:
            return QStringLiteral("パスの途中にフォルダーでないものがあります");
        case EROFS:
            return QStringLiteral("読み取り専用の場所です");
        case ENAMETOOLONG:
            return QStringLiteral("ファイル名が長すぎます");
        case EMFILE:
        case ENFILE:
            return QStringLiteral("開いているファイルが多すぎます");
        case EBUSY:
        case ETXTBSY:
            return QStringLiteral("ファイルが使用中です");
        case EIO:
            return QStringLiteral("装置の入出力エラーです");
        case EFBIG:
            return QStringLiteral("ファイルが大きすぎます");
        case ENOMEM:
            return QStringLiteral("メモリが足りません");
        default:
            return {};
    }
}

}  // namespace

QString fileErrorReason(const QString& path, FileAccess access, QFileDevice::FileError error,
                        int systemError) {
    QString reason = fromPath(path, access);
    if (reason.isEmpty()) reason = fromSystemError(systemError, access);
    if (!reason.isEmpty()) return reason;
    switch (error) {
        case QFileDevice::ResourceError:
            return kDiskFull;
        case QFileDevice::PermissionsError:
            return kNoPermission;
        case QFileDevice::ReadError:
            return QStringLiteral("読み込み中にエラーが起きました");
        case QFileDevice::WriteError:
            return QStringLiteral("書き込み中にエラーが起きました");
        case QFileDevice::OpenError:
            return QStringLiteral("ファイルを開けません");
        default:
            return QStringLiteral("原因不明のエラーです");
    }
}

}  // namespace kuvanto
