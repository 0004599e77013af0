// The per-user working folder: QStandardPaths' application-local data location, created on first
// use so that the snapshot and settings files always have a place to go.
#include "WorkFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace kuvanto {

QString Work_Folder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.kuvanto");
    QDir().mkpath(folder);
    return folder;
}

QString Work_Path(const QString& name) { return Work_Folder() + QLatin1Char('/') + name; }

}  // namespace kuvanto
