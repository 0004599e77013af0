// Builds the JSON document of a completed calculation: from the result table's cells the figure
// and combined column heads and one object per value row of kResultRows (the heading and
// spacer rows carry no values and are left out); from the calculation's full-precision values one
// object per figure and one for the combined section; and the optional mass per metre.
#include "CalcJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "core/base/NumberText.h"

namespace kuvanto {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The values by key; a value the column does not show ("-": a perimeter of several figures, a
// value that could not be computed) is null, and the rows of the combined section only are left
// out of the figures.
QJsonObject valuesObject(const ColumnValues& column, bool withMaterials) {
    const bool combined = column.kind == ColumnKind::Combined;
    QJsonObject values;
    for (Property p : kAllProperties) {
        if (isCombinedOnlyProperty(p) && !combined) continue;
        if (isTorsionProperty(p)) continue;  // the "torsion" object holds them
        if (isMaterialProperty(p) && !withMaterials) continue;
        const bool shown =
            (p != Property::Perimeter || column.hasPerimeter) && std::isfinite(column.values[p]);
        values.insert(Q(propertySymbol(p)), shown ? QJsonValue(column.values[p]) : QJsonValue());
    }
    return values;
}

QJsonValue numberOrNull(double value) {
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

QJsonArray materialsArray(const SectionMaterials& materials, const CompositeSection& composite) {
    QJsonArray list;
    for (const Material& m : materials.materials()) {
        QJsonObject entry;
        entry.insert(QStringLiteral("name"), Q(m.name));
        entry.insert(QStringLiteral("E"), m.elasticModulus);
        entry.insert(QStringLiteral("nu"), m.poissonRatio);
        entry.insert(QStringLiteral("fy"), m.yieldStrength);
        entry.insert(QStringLiteral("rho"), m.density);
        const double e = composite.reference.elasticModulus;
        entry.insert(QStringLiteral("n_E"),
                     e > 0 ? numberOrNull(m.elasticModulus / e) : QJsonValue());
        for (const MaterialModuli& moduli : composite.moduli) {
            if (moduli.name != m.name) continue;
            entry.insert(QStringLiteral("Zx_top"), numberOrNull(moduli.topModulusX));
            entry.insert(QStringLiteral("Zx_bottom"), numberOrNull(moduli.bottomModulusX));
            entry.insert(QStringLiteral("Zy_right"), numberOrNull(moduli.rightModulusY));
            entry.insert(QStringLiteral("Zy_left"), numberOrNull(moduli.leftModulusY));
        }
        list.append(entry);
    }
    return list;
}

}  // namespace

std::string CalcJson::text(const ResultTable& result, const std::vector<ColumnValues>& values,
                           const std::optional<double>& density,
                           const std::optional<std::string>& mass, const QJsonObject& extra,
                           const SectionMaterials* materials, const CompositeSection* composite) {
    const bool withMaterials = materials && !materials->noneAssigned();
    constexpr int kFirstValueCol = 2;  // columns 0 and 1 hold the item and the symbol

    QJsonArray heads;
    for (int col = kFirstValueCol; col < result.cols(); ++col)
        heads.append(Q(result.text(kHeaderRow, col)));

    // The torsion block's rows only when its analysis has filled them (--torsion), the rows of
    // several materials only for a section with materials.
    QJsonArray rows;
    for (int row = 0; row < ResultTable::kRows; ++row) {
        if (kResultRows[static_cast<std::size_t>(row)].kind != RowKind::Value) continue;
        if (!resultRowInUse(result, row)) continue;
        QJsonArray cells;
        for (int col = kFirstValueCol; col < result.cols(); ++col)
            cells.append(Q(result.text(row, col)));
        QJsonObject line;
        line.insert(QStringLiteral("item"), Q(result.text(row, 0)));
        line.insert(QStringLiteral("symbol"), Q(result.text(row, 1)));
        line.insert(QStringLiteral("cells"), cells);
        rows.append(line);
    }

    QJsonArray figures;
    QJsonObject combined;
    int addedIndex = 0, subtractedIndex = 0;
    for (const ColumnValues& column : values) {
        if (column.kind == ColumnKind::Combined) {
            combined.insert(QStringLiteral("head"), Q(column.head));
            combined.insert(QStringLiteral("values"), valuesObject(column, withMaterials));
            continue;
        }
        const bool added = column.kind == ColumnKind::Added;
        QJsonObject figure;
        figure.insert(QStringLiteral("head"), Q(column.head));
        figure.insert(QStringLiteral("table"),
                      added ? QStringLiteral("added") : QStringLiteral("subtracted"));
        figure.insert(QStringLiteral("index"), added ? ++addedIndex : ++subtractedIndex);
        figure.insert(QStringLiteral("number"), column.number);
        if (withMaterials) {
            const Material* m =
                materials->materialOf(added ? TableKind::Added : TableKind::Subtracted,
                                      added ? addedIndex : subtractedIndex);
            figure.insert(QStringLiteral("material"), m ? Q(m->name) : QJsonValue());
        }
        figure.insert(QStringLiteral("values"), valuesObject(column, withMaterials));
        figures.append(figure);
    }

    QJsonObject root;
    root.insert(QStringLiteral("heads"), heads);
    root.insert(QStringLiteral("rows"), rows);
    root.insert(QStringLiteral("figures"), figures);
    root.insert(QStringLiteral("combined"), combined);
    if (density && mass) {
        QJsonObject m;
        m.insert(QStringLiteral("density"), Q(numText(*density)));
        m.insert(QStringLiteral("density_unit"), QStringLiteral("g/cm^3"));
        m.insert(QStringLiteral("value"), Q(*mass));
        m.insert(QStringLiteral("unit"), QStringLiteral("kg/m"));
        root.insert(QStringLiteral("mass"), m);
    }
    if (withMaterials && composite) {
        root.insert(QStringLiteral("reference"),
                    composite->problem.empty() ? Q(composite->reference.name) : QJsonValue());
        root.insert(QStringLiteral("materials"), materialsArray(*materials, *composite));
    }
    for (auto it = extra.begin(); it != extra.end(); ++it) root.insert(it.key(), it.value());
    QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (!json.endsWith('\n')) json.append('\n');
    return json.toStdString();
}

}  // namespace kuvanto
