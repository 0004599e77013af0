// Checks and edits of the user's list of materials.
#include "editing/MaterialListEdit.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/base/NumberText.h"
#include "io/MaterialLibrary.h"

namespace kuvanto {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("MaterialListEdit", text);
}

}  // namespace

MaterialListEdit::MaterialListEdit(std::vector<Material> materials)
    : materials_(std::move(materials)) {}

std::optional<MaterialListEdit> MaterialListEdit::load(const QString& folder, QString* error) {
    std::optional<std::vector<Material>> list = MaterialLibrary::read(folder, error);
    if (!list) return std::nullopt;
    for (const Material& shipped : shippedMaterials()) {
        const bool present = std::any_of(list->begin(), list->end(),
                                         [&](const Material& m) { return m.name == shipped.name; });
        if (!present) list->push_back(shipped);
    }
    return MaterialListEdit(std::move(*list));
}

bool MaterialListEdit::isShipped(const std::string& name) {
    const std::vector<Material>& shipped = shippedMaterials();
    return std::any_of(shipped.begin(), shipped.end(),
                       [&](const Material& m) { return m.name == name; });
}

MaterialFields MaterialListEdit::fieldsOf(const Material& m) {
    return {QString::fromStdString(m.name),
            QString::fromStdString(numText(m.elasticModulus)),
            QString::fromStdString(numText(m.poissonRatio)),
            QString::fromStdString(numText(m.yieldStrength)),
            QString::fromStdString(numText(m.density)),
            QString::fromStdString(m.source)};
}

std::optional<QString> MaterialListEdit::check(const MaterialFields& fields, int replacing,
                                               Material* out) const {
    Material m;
    m.name = fields.name.trimmed().toStdString();
    m.source = fields.source.trimmed().toStdString();
    if (!isValidMaterialName(m.name))
        return QCoreApplication::translate(
            "MaterialListEdit", "材料名が空か、数値、記号<<で始まる名前、改行を含む名前です。");
    const struct {
        const QString& text;
        double* value;
        const char* label;
    } values[] = {
        {fields.elasticModulus, &m.elasticModulus,
         QT_TRANSLATE_NOOP("MaterialListEdit", "ヤング係数E")},
        {fields.poissonRatio, &m.poissonRatio,
         QT_TRANSLATE_NOOP("MaterialListEdit", "ポアソン比ν")},
        {fields.yieldStrength, &m.yieldStrength,
         QT_TRANSLATE_NOOP("MaterialListEdit", "降伏強度fy")},
        {fields.density, &m.density, QT_TRANSLATE_NOOP("MaterialListEdit", "密度ρ")},
    };
    for (const auto& v : values) {
        const std::optional<double> number = parseNumeric(v.text.trimmed().toStdString());
        if (!number)
            return QCoreApplication::translate("MaterialListEdit", "%1が数値ではありません: \"%2\"")
                .arg(translated(v.label), v.text.trimmed());
        *v.value = *number;
    }
    if (const auto problem = materialProblem(m))
        return QCoreApplication::translate("Material", problem->c_str());
    for (int i = 0; i < static_cast<int>(materials_.size()); ++i) {
        if (i != replacing && materials_[static_cast<std::size_t>(i)].name == m.name)
            return QCoreApplication::translate("MaterialListEdit",
                                               "同じ名前の材料がすでにあります: %1")
                .arg(QString::fromStdString(m.name));
    }
    if (out) *out = std::move(m);
    return std::nullopt;
}

std::optional<QString> MaterialListEdit::add(const MaterialFields& fields) {
    Material m;
    if (auto problem = check(fields, -1, &m)) return problem;
    materials_.push_back(std::move(m));
    modified_ = true;
    return std::nullopt;
}

std::optional<QString> MaterialListEdit::edit(int index, const MaterialFields& fields) {
    if (!validIndex(index))
        return QCoreApplication::translate("MaterialListEdit", "材料が選ばれていません。");
    const Material& old = materials_[static_cast<std::size_t>(index)];
    if (isShipped(old.name))
        return QCoreApplication::translate(
            "MaterialListEdit", "標準の材料は変更できません。コピーを作って編集してください。");
    Material m;
    if (auto problem = check(fields, index, &m)) return problem;
    // A shipped name is kept for the shipped material: a user material cannot take it.
    if (isShipped(m.name))
        return QCoreApplication::translate("MaterialListEdit", "同じ名前の材料がすでにあります: %1")
            .arg(QString::fromStdString(m.name));
    materials_[static_cast<std::size_t>(index)] = std::move(m);
    modified_ = true;
    return std::nullopt;
}

std::optional<QString> MaterialListEdit::remove(int index) {
    if (!validIndex(index))
        return QCoreApplication::translate("MaterialListEdit", "材料が選ばれていません。");
    if (isShipped(materials_[static_cast<std::size_t>(index)].name))
        return QCoreApplication::translate("MaterialListEdit", "標準の材料は削除できません。");
    materials_.erase(materials_.begin() + index);
    modified_ = true;
    return std::nullopt;
}

int MaterialListEdit::copy(int index) {
    if (!validIndex(index)) return -1;
    Material m = materials_[static_cast<std::size_t>(index)];
    const std::string base = m.name;
    const auto taken = [&](const std::string& name) {
        return std::any_of(materials_.begin(), materials_.end(),
                           [&](const Material& other) { return other.name == name; });
    };
    for (int n = 2;; ++n) {
        m.name = base + "-" + std::to_string(n);
        if (!taken(m.name) && isValidMaterialName(m.name)) break;
    }
    materials_.push_back(std::move(m));
    modified_ = true;
    return static_cast<int>(materials_.size()) - 1;
}

bool MaterialListEdit::save(const QString& folder, QString* error) {
    if (!MaterialLibrary::write(folder, materials_, error)) return false;
    modified_ = false;
    return true;
}

}  // namespace kuvanto
