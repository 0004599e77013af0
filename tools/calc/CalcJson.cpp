// Builds the JSON document of a completed calculation from the result table's cells: the figure
// and combined column heads, one object per value row (the heading and spacer rows carry no
// values and are left out) and the optional mass per metre.
#include "CalcJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "NumText.h"

namespace kuvanto {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

std::string CalcJson::Text(const ResultGrid& result, const std::optional<double>& density,
                           const std::optional<std::string>& mass) {
    constexpr int kFirstValueCol = 2;  // columns 0 and 1 hold the item and the symbol

    QJsonArray heads;
    for (int col = kFirstValueCol; col < result.Cols(); ++col) heads.append(Q(result.Text(0, col)));

    QJsonArray rows;
    for (int row = 1; row < ResultGrid::kRows; ++row) {
        if (result.Text(row, 1).empty()) continue;  // headings and spacers
        QJsonArray cells;
        for (int col = kFirstValueCol; col < result.Cols(); ++col)
            cells.append(Q(result.Text(row, col)));
        QJsonObject line;
        line.insert(QStringLiteral("item"), Q(result.Text(row, 0)));
        line.insert(QStringLiteral("symbol"), Q(result.Text(row, 1)));
        line.insert(QStringLiteral("cells"), cells);
        rows.append(line);
    }

    QJsonObject root;
    root.insert(QStringLiteral("heads"), heads);
    root.insert(QStringLiteral("rows"), rows);
    if (density && mass) {
        QJsonObject m;
        m.insert(QStringLiteral("density"), Q(Num_Text(*density)));
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
