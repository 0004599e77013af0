// Material names and values, and the shipped list of common structural materials.

#include "core/section/Material.h"

#include <cmath>

#include "core/base/NumberText.h"
#include "core/base/TranslationMarker.h"

namespace kuvanto {

bool isValidMaterialName(std::string_view name) {
    if (name.empty() || name.size() > 200) return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return false;
    }
    if (name.front() == ' ' || name.back() == ' ') return false;
    if (name.starts_with("<<") || name == "|") return false;
    return !parseNumeric(name).has_value();
}

std::optional<std::string> materialProblem(const Material& m) {
    if (!isValidMaterialName(m.name))
        return QT_TRANSLATE_NOOP("Material",
                                 "材料名が空か、数値、記号<<で始まる名前、改行を含む名前です。");
    const double values[] = {m.elasticModulus, m.poissonRatio, m.yieldStrength, m.density};
    for (const double v : values) {
        if (!std::isfinite(v))
            return QT_TRANSLATE_NOOP("Material", "材料の値が数値ではありません。");
    }
    if (m.elasticModulus <= 0)
        return QT_TRANSLATE_NOOP("Material", "ヤング係数Eは正の値にしてください。");
    if (m.poissonRatio < 0 || m.poissonRatio >= 0.5)
        return QT_TRANSLATE_NOOP("Material", "ポアソン比νは0以上0.5未満にしてください。");
    if (m.yieldStrength < 0 || m.density < 0)
        return QT_TRANSLATE_NOOP("Material", "降伏強度fyと密度ρは0以上にしてください。");
    return std::nullopt;
}

double concreteElasticModulus(double unitWeight, double designStrength) {
    return 3.35e4 * (unitWeight / 24) * (unitWeight / 24) * std::cbrt(designStrength / 60);
}

const std::vector<Material>& shippedMaterials() {
    // Steels: E = 205000 N/mm² and ν = 0.3 as the steel design standards take them, fy the
    // design strength F for plates up to 40 mm thick. Concretes: unit weight 23 kN/m³, E from
    // concreteElasticModulus rounded to whole N/mm², ν = 0.2, fy the design strength Fc.
    static const std::vector<Material> list = [] {
        const auto concrete = [](const char* name, double strength) {
            return Material{name,
                            std::round(concreteElasticModulus(23, strength)),
                            0.2,
                            strength,
                            2.3,
                            "JASS 5 / RC design standard: E = 3.35e4 (γ/24)² (Fc/60)^(1/3), "
                            "γ = 23 kN/m³"};
        };
        return std::vector<Material>{
            {"SS400", 205000, 0.3, 235, 7.85, "JIS G 3101; F for t <= 40 mm"},
            {"SN400B", 205000, 0.3, 235, 7.85, "JIS G 3136; F for t <= 40 mm"},
            {"SN490B", 205000, 0.3, 325, 7.85, "JIS G 3136; F for t <= 40 mm"},
            {"STK400", 205000, 0.3, 235, 7.85, "JIS G 3444; F for t <= 40 mm"},
            {"STKR400", 205000, 0.3, 235, 7.85, "JIS G 3466; F for t <= 40 mm"},
            concrete("Fc21", 21),
            concrete("Fc24", 24),
            concrete("Fc30", 30),
            concrete("Fc36", 36),
            {"A6063-T5", 70000, 0.3, 110, 2.7,
             "JIS H 4100; F of the aluminium structural design standard"},
            {"E105-F300", 10500, 0.4, 30, 0.5,
             "JAS glued laminated timber E105-F300; fy the bending strength Fb"},
            {"スギ無等級", 7000, 0.4, 22.2, 0.38,
             "JAS sawn lumber, Japanese cedar, ungraded; fy the bending strength Fb"},
        };
    }();
    return list;
}

}  // namespace kuvanto
