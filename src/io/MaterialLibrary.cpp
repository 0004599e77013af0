// The user's list of materials in the working folder.

#include "io/MaterialLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <charconv>

#include "core/base/NumberText.h"
#include "io/CoordCsv.h"
#include "io/FieldReader.h"
#include "io/TextFile.h"

namespace kuvanto {

namespace {

std::string exactText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : numText(value);
}

std::string skippedMessage(std::string_view line, std::string_view reason) {
    std::string message =
        QCoreApplication::translate("MaterialLibrary",
                                    "材料一覧の行(%1)を読み取れません。この行を省略します。")
            .arg(QString::fromStdString(quotedExcerpt(line)))
            .toStdString();
    if (!reason.empty()) {
        message.push_back('\r');
        message.append(
            QCoreApplication::translate("Material", std::string(reason).c_str()).toStdString());
    }
    return message;
}

}  // namespace

std::string MaterialLibrary::text(const std::vector<Material>& materials) {
    std::string out;
    for (const Material& m : materials) {
        appendField(out, m.name);
        for (const double v : {m.elasticModulus, m.poissonRatio, m.yieldStrength, m.density}) {
            out.push_back(',');
            out.append(exactText(v));
        }
        out.push_back(',');
        appendField(out, m.source);
        out.append("\r\n");
    }
    return out;
}

std::vector<Material> MaterialLibrary::parse(
    std::string_view utf8, const std::function<void(const std::string&)>& onSkip) {
    std::vector<Material> list;
    while (!utf8.empty()) {
        const std::size_t end = utf8.find_first_of("\r\n");
        const std::string_view line = utf8.substr(0, end);
        utf8 = end == std::string_view::npos ? std::string_view() : utf8.substr(end + 1);
        std::vector<std::string> fields;
        FieldReader reader(line);
        for (std::string field; reader.nextField(field);) fields.push_back(field);
        while (!fields.empty() && fields.back().empty()) fields.pop_back();
        if (fields.empty()) continue;

        Material m;
        m.name = fields[0];
        double* const targets[] = {&m.elasticModulus, &m.poissonRatio, &m.yieldStrength,
                                   &m.density};
        bool numbers = fields.size() == 5 || fields.size() == 6;
        for (std::size_t i = 0; numbers && i < 4; ++i) {
            const std::optional<double> v = parseNumeric(fields[i + 1]);
            numbers = v.has_value();
            if (v) *targets[i] = *v;
        }
        if (fields.size() == 6) m.source = fields[5];
        const std::optional<std::string> problem = numbers ? materialProblem(m) : std::nullopt;
        if (!numbers || problem) {
            if (onSkip) onSkip(skippedMessage(line, problem ? *problem : std::string()));
            continue;
        }
        const auto same = std::find_if(list.begin(), list.end(),
                                       [&](const Material& other) { return other.name == m.name; });
        if (same != list.end())
            *same = m;
        else
            list.push_back(m);
    }
    return list;
}

std::optional<std::vector<Material>> MaterialLibrary::read(
    const QString& folder, QString* error, const std::function<void(const std::string&)>& onSkip) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(kFileName));
    if (!QFileInfo::exists(path)) return shippedMaterials();
    const std::optional<std::string> text = readTextFile(path, error);
    if (!text) return std::nullopt;
    return parse(*text, onSkip);
}

bool MaterialLibrary::write(const QString& folder, const std::vector<Material>& materials,
                            QString* error) {
    return writeTextFile(QDir(folder).filePath(QString::fromLatin1(kFileName)), text(materials),
                         FileEncoding::Cp932OrUtf8, error);
}

}  // namespace kuvanto
