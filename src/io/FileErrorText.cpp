// Japanese reasons for failed file reads and writes.
#include "io/FileErrorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include "io/UiText.h"

namespace kuvanto {

namespace {

constexpr UiText kNotFound{"FileErrorText",
                           QT_TRANSLATE_NOOP("FileErrorText", "ファイルが見つかりません")};
constexpr UiText kFolderNotFound{
    "FileErrorText", QT_TRANSLATE_NOOP("FileErrorText", "保存先のフォルダーが見つかりません")};
constexpr UiText kNoPermission{"FileErrorText",
                               QT_TRANSLATE_NOOP("FileErrorText", "アクセスする権限がありません")};
constexpr UiText kDiskFull{"FileErrorText",
                           QT_TRANSLATE_NOOP("FileErrorText", "ディスクの空き容量が足りません")};
constexpr UiText kIsFolder{
    "FileErrorText",
    QT_TRANSLATE_NOOP("FileErrorText", "フォルダーであり、通常のファイルではありません")};
constexpr UiText kNotRegular{"FileErrorText",
                             QT_TRANSLATE_NOOP("FileErrorText", "通常のファイルではありません")};

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
    if (!folder.isDir())
        return QCoreApplication::translate("FileErrorText", "保存先がフォルダーではありません");
    if (info.isDir()) return kIsFolder;
    if (info.exists() && !info.isFile()) return kNotRegular;
    // A file without any write permission is read-only even for the superuser, whom the system
    // would let write it.
    constexpr QFile::Permissions anyWrite =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & anyWrite)))
        return QCoreApplication::translate("FileErrorText", "書き込みが禁止されています");
    if (!folder.isWritable())
        return QCoreApplication::translate("FileErrorText",
                                           "保存先のフォルダーに書き込む権限がありません");
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
            return QCoreApplication::translate("FileErrorText",
                                               "パスの途中にフォルダーでないものがあります");
        case EROFS:
            return QCoreApplication::translate("FileErrorText", "読み取り専用の場所です");
        case ENAMETOOLONG:
            return QCoreApplication::translate("FileErrorText", "ファイル名が長すぎます");
        case EMFILE:
        case ENFILE:
            return QCoreApplication::translate("FileErrorText", "開いているファイルが多すぎます");
        case EBUSY:
        case ETXTBSY:
            return QCoreApplication::translate("FileErrorText", "ファイルが使用中です");
        case EIO:
            return QCoreApplication::translate("FileErrorText", "装置の入出力エラーです");
        case EFBIG:
            return QCoreApplication::translate("FileErrorText", "ファイルが大きすぎます");
        case ENOMEM:
            return QCoreApplication::translate("FileErrorText", "メモリが足りません");
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
            return QCoreApplication::translate("FileErrorText", "読み込み中にエラーが起きました");
        case QFileDevice::WriteError:
            return QCoreApplication::translate("FileErrorText", "書き込み中にエラーが起きました");
        case QFileDevice::OpenError:
            return QCoreApplication::translate("FileErrorText", "ファイルを開けません");
        default:
            return QCoreApplication::translate("FileErrorText", "原因不明のエラーです");
    }
}

}  // namespace kuvanto
