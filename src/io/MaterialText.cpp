// Writing and reading the materials' lines of the text form. The reader goes line by line (the
// rows before it go pair by pair) and never lets a bad line stop it.

#include "io/MaterialText.h"

#include <QCoreApplication>
#include <charconv>
#include <climits>
#include <cmath>
#include <vector>

#include "core/base/NumberText.h"
#include "io/CoordCsv.h"
#include "io/FieldReader.h"
#include "io/FileTokens.h"

namespace kuvanto {

namespace {

// The words of an assignment line: the figure's table.
constexpr std::string_view kAddedWord = "加算";
constexpr std::string_view kSubtractedWord = "減算";

// The fields of one line, trailing empty fields dropped.
std::vector<std::string> lineFields(std::string_view line) {
    std::vector<std::string> fields;
    FieldReader reader(line);
    std::string field;
    while (reader.nextField(field)) fields.push_back(field);
    while (!fields.empty() && fields.back().empty()) fields.pop_back();
    return fields;
}

// Splits a field of values written as "205000,0.3,235,7.85".
std::vector<std::string> splitValues(const std::string& field) {
    std::vector<std::string> values;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = field.find(',', start);
        values.push_back(field.substr(start, comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return values;
}

// The shortest text that reads back as the same double, so that a material survives any number
// of saves unchanged.
std::string exactText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : numText(value);
}

std::string skippedLineMessage(std::string_view line) {
    return QCoreApplication::translate("MaterialText",
                                       "材料の行(%1)を読み取れません。\r"
                                       "この行を省略して読込みを続けます。")
        .arg(QString::fromStdString(quotedExcerpt(line)))
        .toStdString();
}

std::string problemMessage(std::string_view line, const std::string& problem) {
    return skippedLineMessage(line) + "\r" +
           QCoreApplication::translate("Material", problem.c_str()).toStdString();
}

}  // namespace

void appendMaterialText(std::string& out, const SectionMaterials& materials) {
    if (materials.empty()) return;
    out.append(kMaterialsToken);
    out.append(",\r\n");
    for (const Material& m : materials.materials()) {
        appendField(out, m.name);
        out.push_back(',');
        appendField(out, exactText(m.elasticModulus) + ',' + exactText(m.poissonRatio) + ',' +
                             exactText(m.yieldStrength) + ',' + exactText(m.density));
        out.append("\r\n");
    }
    out.append(kFigureMaterialsToken);
    out.append(",\r\n");
    for (const FigureMaterial& a : materials.assignments()) {
        out.append(a.kind == TableKind::Added ? kAddedWord : kSubtractedWord);
        out.push_back(',');
        out.append(std::to_string(a.index));
        out.push_back(',');
        appendField(out, a.name);
        out.append("\r\n");
    }
}

void parseMaterialText(std::string_view text, SectionMaterials& materials,
                       const std::function<void(const std::string&)>& onSkip) {
    enum class Part { Before, Materials, Assignments } part = Part::Before;
    const auto skip = [&](std::string message) {
        if (onSkip) onSkip(message);
    };
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::vector<std::string> fields = lineFields(line);
        if (fields.empty()) continue;
        if (fields[0] == kMaterialsToken) {
            part = Part::Materials;
            continue;
        }
        if (fields[0] == kFigureMaterialsToken) {
            part = Part::Assignments;
            continue;
        }
        if (part == Part::Materials) {
            std::vector<std::string> values;
            if (fields.size() == 2)
                values = splitValues(fields[1]);
            else
                values.assign(fields.begin() + 1, fields.end());
            Material m;
            m.name = fields[0];
            double* const targets[] = {&m.elasticModulus, &m.poissonRatio, &m.yieldStrength,
                                       &m.density};
            bool numbers = values.size() == 4;
            for (std::size_t i = 0; numbers && i < 4; ++i) {
                const std::optional<double> v = parseNumeric(values[i]);
                numbers = v.has_value();
                if (v) *targets[i] = *v;
            }
            if (!numbers) {
                skip(skippedLineMessage(line));
            } else if (const auto problem = materialProblem(m)) {
                skip(problemMessage(line, *problem));
            } else {
                materials.setMaterial(m);
            }
            continue;
        }
        if (part == Part::Assignments && fields.size() == 3 &&
            (fields[0] == kAddedWord || fields[0] == kSubtractedWord)) {
            const std::optional<double> n = parseNumeric(fields[1]);
            const bool whole = n && *n >= 1 && *n <= INT_MAX && std::floor(*n) == *n;
            const TableKind kind =
                fields[0] == kAddedWord ? TableKind::Added : TableKind::Subtracted;
            if (whole && !fields[2].empty() &&
                materials.assign(kind, static_cast<int>(*n), fields[2]))
                continue;
        }
        skip(skippedLineMessage(line));
    }
}

}  // namespace kuvanto
