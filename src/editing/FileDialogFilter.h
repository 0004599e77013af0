// File-type filters for the file dialogs. Commands give their filters in the pipe form
// "description|patterns|description|patterns" (for example "*.csv|*.csv"), patterns separated by
// ";"; the Qt file dialog wants "description (patterns)" entries separated by ";;".
#pragma once

#include <QString>

namespace kuvanto {

class FileDialogFilter {
public:
    // "*.csv|*.csv" gives "*.csv"; "CSV|*.csv;*.txt|All|*.*" gives "CSV (*.csv *.txt);;All (*.*)".
    static QString toQt(const QString& pipeFilter);
};

}  // namespace kuvanto
