// Builds the JSON document of a completed calculation from the result table's cells: the figure
// and combined column heads, one object per value row (the heading and spacer rows carry no
// values and are left out) and the optional mass per metre.
#include "CalcJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/NumberText.h"

namespace kuvanto {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

std::string CalcJson::text(const ResultTable& result, const std::optional<double>& density,
                           const std::optional<std::string>& mass) {
    constexpr int kFirstValueCol = 2;  // columns 0 and 1 hold the item and the symbol

    QJsonArray heads;
    for (int col = kFirstValueCol; col < result.cols(); ++col) heads.append(Q(result.text(0, col)));

    QJsonArray rows;
    for (int row = 1; row < ResultTable::kRows; ++row) {
        if (result.text(row, 1).empty()) continue;  // headings and spacers
        QJsonArray cells;
        for (int col = kFirstValueCol; col < result.cols(); ++col)
            cells.append(Q(result.text(row, col)));
        QJsonObject line;
        line.insert(QStringLiteral("item"), Q(result.text(row, 0)));
        line.insert(QStringLiteral("symbol"), Q(result.text(row, 1)));
        line.insert(QStringLiteral("cells"), cells);
        rows.append(line);
    }

    QJsonObject root;
    root.insert(QStringLiteral("heads"), heads);
    root.insert(QStringLiteral("rows"), rows);
    if (density && mass) {
        QJsonObject m;
        m.insert(QStringLiteral("density"), Q(numText(*density)));
        m.insert(QStringLiteral("density_unit"), QStringLiteral("g/cm^3"));
        m.insert(QStringLiteral("value"), Q(*mass));
        m.insert(QStringLiteral("unit"), QStringLiteral("kg/m"));
        root.insert(QStringLiteral("mass"), m);
    }
    QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (!json.endsWith('\n')) json.append('\n');
    return json.toStdString();
}

}  // namespace kuvanto
