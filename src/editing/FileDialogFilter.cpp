// Conversion of pipe-form file filters to the Qt file dialog's form.
#include "editing/FileDialogFilter.h"

#include <QStringList>

namespace kuvanto {

namespace {

// "*.csv;*.txt" -> "*.csv *.txt"
QString qtPatterns(const QString& patterns) {
    QStringList parts;
    for (const QString& part : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty()) parts << trimmed;
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace

QString FileDialogFilter::toQt(const QString& pipeFilter) {
    const QStringList pieces = pipeFilter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i < pieces.size(); i += 2) {
        const QString description = pieces[i].trimmed();
        // A description without its pattern stands for itself.
        const QString patterns = qtPatterns(i + 1 < pieces.size() ? pieces[i + 1] : pieces[i]);
        if (patterns.isEmpty()) continue;
        const QString suffix = QStringLiteral("(") + patterns + QStringLiteral(")");
        if (description.isEmpty() || qtPatterns(description) == patterns) {
            entries << patterns;
        } else if (description.endsWith(suffix)) {
            entries << description;
        } else {
            entries << description + QLatin1Char(' ') + suffix;
        }
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace kuvanto
