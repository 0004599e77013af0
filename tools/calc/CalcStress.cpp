// The calculator's stress outputs from the core's per-case stresses and envelope.
#include "CalcStress.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <algorithm>
#include <charconv>

#include "core/base/NumberText.h"
#include "core/stress/SectionBoundary.h"

namespace kuvanto {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonArray pointArray(Point p) {
    return QJsonArray{p.x, p.y};
}

QJsonObject loadsObject(const LoadCase& loads) {
    QJsonObject object;
    for (const LoadActionEntry& entry : kLoadActions)
        object.insert(fromUtf8(entry.key), loads[entry.action]);
    return object;
}

QJsonValue extremesValue(const std::optional<StressExtremes>& e) {
    if (!e) return QJsonValue();
    QJsonObject component;
    component.insert(QStringLiteral("max"), e->max);
    component.insert(QStringLiteral("max_at"), pointArray(e->maxAt));
    component.insert(QStringLiteral("min"), e->min);
    component.insert(QStringLiteral("min_at"), pointArray(e->minAt));
    return component;
}

QJsonArray materialsArray(const std::vector<MaterialStress>& materials) {
    QJsonArray list;
    for (const MaterialStress& m : materials) {
        QJsonObject object;
        object.insert(QStringLiteral("name"), fromUtf8(m.name));
        object.insert(QStringLiteral("n"), m.ratio);
        object.insert(QStringLiteral("fy"), m.yieldStrength);
        object.insert(QStringLiteral("sigma_zz"), extremesValue(m.normal));
        object.insert(QStringLiteral("sigma_vm"), extremesValue(m.vonMises));
        object.insert(QStringLiteral("ratio"),
                      m.utilisation ? QJsonValue(*m.utilisation) : QJsonValue());
        list.append(object);
    }
    return list;
}

QJsonObject caseObject(const SectionStress& stress) {
    QJsonObject object;
    object.insert(QStringLiteral("loads"), loadsObject(stress.loads()));
    for (const StressComponentEntry& entry : kStressComponents) {
        const std::optional<StressExtremes> e = stress.extremes(entry.component);
        if (!e) {
            object.insert(fromUtf8(entry.key), QJsonValue());
            continue;
        }
        QJsonObject component;
        component.insert(QStringLiteral("max"), e->max);
        component.insert(QStringLiteral("max_at"), pointArray(e->maxAt));
        component.insert(QStringLiteral("min"), e->min);
        component.insert(QStringLiteral("min_at"), pointArray(e->minAt));
        object.insert(fromUtf8(entry.key), component);
    }
    const std::optional<NeutralAxis> axis = stress.neutralAxis();
    if (axis) {
        QJsonObject line;
        line.insert(QStringLiteral("point"), pointArray(axis->point));
        line.insert(QStringLiteral("direction"), pointArray(axis->direction));
        object.insert(QStringLiteral("neutral_axis"), line);
    } else {
        object.insert(QStringLiteral("neutral_axis"), QJsonValue());
    }
    return object;
}

// The shortest text that reads back to the same double.
std::string exact(double value) {
    char number[32];
    const auto written = std::to_chars(number, number + sizeof number, value);
    return std::string(number, written.ptr);
}

std::string csvName(std::string_view name) {
    std::string field;
    const bool quote = name.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!name.empty() && (name.front() == ' ' || name.back() == ' '));
    for (const char c : name) {
        if (c == '"') field += '"';
        field += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return quote ? '"' + field + '"' : field;
}

std::string extremesLine(std::string_view key, const std::optional<StressExtremes>& e) {
    std::string line(key);
    if (!e) return line + "\t-\t-\t-\t-\t-\t-\n";
    for (const double v : {e->max, e->maxAt.x, e->maxAt.y, e->min, e->minAt.x, e->minAt.y})
        line += '\t' + numText(v);
    return line + '\n';
}

std::string translated(const char* text) {
    return QCoreApplication::translate("CalcTool", text).toStdString();
}

}  // namespace

bool StressRun::ok() const {
    for (const SectionStress& stress : cases)
        if (stress.status() != StressStatus::Ok) return false;
    return true;
}

StressRun CalcStress::run(const CoordTable& added, const CoordTable& subtracted,
                          const SectionProperties& combined, const SectionMaterials& materials,
                          const std::vector<LoadCase>& cases, bool fromFile,
                          std::shared_ptr<const ShearStressField> shear) {
    StressRun run;
    run.fromFile = fromFile;
    const SectionOutline outline = SectionOutline::of(added, subtracted);
    const std::vector<BoundarySegment> boundary = materialBoundary(outline);
    const BendingProperties section =
        materials.noneAssigned()
            ? BendingProperties::of(combined)
            : MaterialStresses::transformed(combined).value_or(BendingProperties::of(combined));
    run.cases.reserve(cases.size());
    for (const LoadCase& loads : cases) {
        run.cases.push_back(SectionStress::compute(boundary, section, loads, shear));
        run.envelope.add(run.cases.back());
        if (!materials.noneAssigned())
            run.materials.push_back(MaterialStresses::of(outline, materials, combined, loads));
    }
    return run;
}

QJsonObject CalcStress::jsonObject(const StressRun& run) {
    QJsonObject stress;
    stress.insert(QStringLiteral("unit"), QStringLiteral("MPa"));
    if (!run.ok()) {
        for (const SectionStress& c : run.cases)
            if (c.status() != StressStatus::Ok) {
                stress.insert(QStringLiteral("error"),
                              fromUtf8(SectionStress::message(c.status())));
                break;
            }
        return stress;
    }
    if (!run.fromFile) {
        const QJsonObject one = caseObject(run.cases.front());
        for (auto it = one.begin(); it != one.end(); ++it) stress.insert(it.key(), it.value());
        if (!run.materials.empty())
            stress.insert(QStringLiteral("materials"), materialsArray(run.materials.front()));
        return stress;
    }
    QJsonArray cases;
    for (std::size_t i = 0; i < run.cases.size(); ++i) {
        const SectionStress& c = run.cases[i];
        QJsonObject object = caseObject(c);
        object.insert(QStringLiteral("name"), fromUtf8(c.loads().name));
        if (i < run.materials.size())
            object.insert(QStringLiteral("materials"), materialsArray(run.materials[i]));
        cases.append(object);
    }
    stress.insert(QStringLiteral("cases"), cases);
    QJsonObject envelope;
    for (const StressComponentEntry& entry : kStressComponents) {
        const std::optional<EnvelopeExtremes> e = run.envelope.of(entry.component);
        if (!e) {
            envelope.insert(fromUtf8(entry.key), QJsonValue());
            continue;
        }
        QJsonObject component;
        component.insert(QStringLiteral("max"), e->extremes.max);
        component.insert(QStringLiteral("max_at"), pointArray(e->extremes.maxAt));
        component.insert(QStringLiteral("max_case"),
                         fromUtf8(run.cases[static_cast<std::size_t>(e->maxCase)].loads().name));
        component.insert(QStringLiteral("min"), e->extremes.min);
        component.insert(QStringLiteral("min_at"), pointArray(e->extremes.minAt));
        component.insert(QStringLiteral("min_case"),
                         fromUtf8(run.cases[static_cast<std::size_t>(e->minCase)].loads().name));
        envelope.insert(fromUtf8(entry.key), component);
    }
    stress.insert(QStringLiteral("envelope"), envelope);
    return stress;
}

std::string CalcStress::text(const StressRun& run) {
    std::string text;
    const std::string head = translated(QT_TRANSLATE_NOOP("CalcTool", "成分")) + '\t' +
                             translated(QT_TRANSLATE_NOOP("CalcTool", "最大")) + "\tx\ty\t" +
                             translated(QT_TRANSLATE_NOOP("CalcTool", "最小")) + "\tx\ty\n";
    for (std::size_t i = 0; i < run.cases.size(); ++i) {
        const SectionStress& stress = run.cases[i];
        text += '\n';
        text += translated(QT_TRANSLATE_NOOP("CalcTool", "[応力 (MPa)]"));
        if (run.fromFile) text += '\t' + csvName(stress.loads().name);
        text += '\n' + head;
        for (const StressComponentEntry& entry : kStressComponents)
            text += extremesLine(entry.key, stress.extremes(entry.component));
        if (i >= run.materials.size()) continue;
        // Per material: σ_zz and σ_vM with the ratio of the largest σ_vM to fy.
        for (const MaterialStress& m : run.materials[i]) {
            text += translated(QT_TRANSLATE_NOOP("CalcTool", "材料")) + '\t' + csvName(m.name) +
                    "\tn=" + numText(m.ratio) + "\tfy=" + numText(m.yieldStrength) + "\t" +
                    translated(QT_TRANSLATE_NOOP("CalcTool", "σvM/fy")) + '\t' +
                    (m.utilisation ? numText(*m.utilisation) : std::string("-")) + '\n';
            text += extremesLine("  sigma_zz", m.normal);
            text += extremesLine("  sigma_vm", m.vonMises);
        }
    }
    if (run.fromFile) {
        text +=
            '\n' + translated(QT_TRANSLATE_NOOP("CalcTool", "[応力の包絡 (MPa)]")) + '\n' + head;
        for (const StressComponentEntry& entry : kStressComponents) {
            const std::optional<EnvelopeExtremes> e = run.envelope.of(entry.component);
            text += extremesLine(entry.key,
                                 e ? std::optional<StressExtremes>(e->extremes) : std::nullopt);
        }
    }
    return text;
}

std::string CalcStress::csv(const StressRun& run) {
    std::string text = "case,x,y";
    for (const StressComponentEntry& entry : kStressComponents)
        text += ',' + std::string(entry.key);
    text += '\n';
    for (const SectionStress& stress : run.cases) {
        const std::string name = csvName(stress.loads().name);
        for (std::size_t i = 0; i < stress.pointCount(); ++i) {
            const Point p = stress.point(i);
            text += name + ',' + exact(p.x) + ',' + exact(p.y);
            const auto values = stress.componentsAt(i);
            for (const StressComponentEntry& entry : kStressComponents) {
                text += ',';
                if (stress.has(entry.component))
                    text += exact(values[static_cast<std::size_t>(entry.component)]);
            }
            text += '\n';
        }
    }
    return text;
}

std::string CalcStress::notice(const StressRun& run) {
    std::string text;
    std::vector<std::string_view> said;
    for (const SectionStress& stress : run.cases) {
        const std::string_view reason = stress.shearNotice();
        if (reason.empty() || std::find(said.begin(), said.end(), reason) != said.end()) continue;
        said.push_back(reason);
        if (!text.empty()) text += '\n';
        text +=
            QCoreApplication::translate("SectionStress", std::string(reason).c_str()).toStdString();
    }
    return text;
}

}  // namespace kuvanto
