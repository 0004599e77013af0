// The per-user working folder that holds the undo snapshots, the direct-editing buffer, the
// colour file and the shape library: created on first use.
#pragma once

#include <QString>

namespace kuvanto {

// The folder's path (QStandardPaths::AppLocalDataLocation), created when missing.
QString workFolder();

// The path of a file in the working folder.
QString workPath(const QString& name);

}  // namespace kuvanto
