// The stress block of the result export.
#include "io/StressExport.h"

#include <QCoreApplication>

#include "core/base/NumberText.h"

namespace kuvanto {

namespace {

std::string translated(const char* text) {
    return QCoreApplication::translate("StressExport", text).toStdString();
}

std::string actionsText(const LoadCase& loads) {
    std::string text;
    for (const LoadActionEntry& entry : kLoadActions) {
        if (!text.empty()) text += ',';
        text += std::string(entry.key) + '=' + numText(loads[entry.action]);
    }
    return text;
}

}  // namespace

std::string StressExport::line(std::string_view key, const std::optional<StressExtremes>& e) {
    std::string text(key);
    if (!e) return text + "\t-\t-\t-\t-\t-\t-\r\n";
    for (const double v : {e->max, e->maxAt.x, e->maxAt.y, e->min, e->minAt.x, e->minAt.y})
        text += '\t' + numText(v);
    return text + "\r\n";
}

std::string StressExport::text(const StressCases& run, int shownCase) {
    if (shownCase < 0 || shownCase >= static_cast<int>(run.stresses.size())) return {};
    const SectionStress& stress = *run.stresses[static_cast<std::size_t>(shownCase)];
    if (stress.status() != StressStatus::Ok) return {};
    const std::string head = translated(QT_TRANSLATE_NOOP("StressExport", "成分")) + '\t' +
                             translated(QT_TRANSLATE_NOOP("StressExport", "最大")) + "\tx\ty\t" +
                             translated(QT_TRANSLATE_NOOP("StressExport", "最小")) + "\tx\ty\r\n";
    std::string text = "\r\n" + translated(QT_TRANSLATE_NOOP("StressExport", "[応力 (MPa)]")) +
                       '\t' + stress.loads().name + '\t' + actionsText(stress.loads()) + "\r\n" +
                       head;
    for (const StressComponentEntry& entry : kStressComponents)
        text += line(entry.key, stress.extremes(entry.component));
    if (!stress.shearNotice().empty())
        text +=
            QCoreApplication::translate("SectionStress", std::string(stress.shearNotice()).c_str())
                .toStdString() +
            "\r\n";
    if (shownCase < static_cast<int>(run.materialStresses.size()))
        for (const MaterialStress& m : run.materialStresses[static_cast<std::size_t>(shownCase)]) {
            text += translated(QT_TRANSLATE_NOOP("StressExport", "材料")) + '\t' + m.name +
                    "\tn=" + numText(m.ratio) + "\tfy=" + numText(m.yieldStrength) + "\tσvM/fy\t" +
                    (m.utilisation ? numText(*m.utilisation) : std::string("-")) + "\r\n";
            text += line("  sigma_zz", m.normal);
            text += line("  sigma_vm", m.vonMises);
        }
    if (run.envelope.caseCount() > 1) {
        text += translated(QT_TRANSLATE_NOOP("StressExport", "[応力の包絡 (MPa)]")) + '\t' +
                std::to_string(run.envelope.caseCount()) + "\r\n" + head;
        for (const StressComponentEntry& entry : kStressComponents) {
            const std::optional<EnvelopeExtremes> e = run.envelope.of(entry.component);
            text += line(entry.key, e ? std::optional<StressExtremes>(e->extremes) : std::nullopt);
        }
    }
    return text;
}

}  // namespace kuvanto
