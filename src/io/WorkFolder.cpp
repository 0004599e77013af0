// The per-user working folder: QStandardPaths' application-local data location, created on first
// use so that the snapshot and settings files always have a place to go.
#include "io/WorkFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace kuvanto {

QString workFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/.kuvanto");
    QDir().mkpath(folder);
    return folder;
}

QString workPath(const QString& name) {
    return workFolder() + QLatin1Char('/') + name;
}

}  // namespace kuvanto
