// The one way the program replaces a file: the bytes go to a new file beside it, every write, the
// flush to the device and the closing are checked, and only then does the new file take the old
// one's name. A full disk or a failing device is reported as a failure and leaves the old file
// whole. Tests replace the system calls through FileWriteCalls to make any step fail.
#pragma once

#include <sys/types.h>
#include <QString>
#include <string_view>

namespace kuvanto {

// Replaces the file at `path` with exactly `bytes`. On failure the old file (or its absence) is
// untouched, no temporary file is left behind, false is returned and `error` names the file and
// the reason. A symbolic link is kept and the file it points to is replaced (the temporary file
// goes into the target's folder); the replaced file's permissions carry over. A file the user
// may not write, or one without any write permission, is refused and left as it is.
bool writeFileSafely(const QString& path, std::string_view bytes, QString* error = nullptr);

// Whether `name` (without folder) is one of the writer's temporary files.
bool isTemporaryFileName(const QString& name);

// Removes from `folder` the writer's temporary files left by processes that are no longer
// running (a program killed while writing); returns how many were removed. Files of this
// process and of running processes stay.
int removeStaleTemporaryFiles(const QString& folder);

// The system calls whose failure the writer must notice. The defaults are the real ones.
struct FileWriteCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*sync)(int fd);
    int (*close)(int fd);
};
FileWriteCalls systemFileWriteCalls();

// Makes the writer use `calls` (tests only) and returns the ones in use before.
FileWriteCalls setFileWriteCalls(const FileWriteCalls& calls);

}  // namespace kuvanto
