// Reading and writing the load-case file. The reader splits each line into fields, honouring
// quoted fields, maps them to the actions by the header and checks each number with the strict
// numeric grammar of the tables (no "nan", "inf" or numbers beyond the double range).
#include "io/LoadCaseFile.h"

#include <QCoreApplication>
#include <array>
#include <charconv>
#include <cmath>

#include "core/base/NumberText.h"
#include "io/SafeWrite.h"
#include "io/TextFile.h"

namespace kuvanto {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Splits one line into its fields; false for a quote that is not closed or text after a closing
// quote.
bool splitFields(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t i = 0;
    while (true) {
        std::string field;
        std::size_t start = i;
        while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
        if (start < line.size() && line[start] == '"') {
            i = start + 1;
            while (true) {
                if (i >= line.size()) return false;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
            if (i < line.size() && line[i] != ',') return false;
        } else {
            const std::size_t end = std::min(line.find(',', i), line.size());
            field = std::string(line.substr(i, end - i));
            // Unquoted fields lose their blanks at either end.
            const std::size_t first = field.find_first_not_of(" \t");
            const std::size_t last = field.find_last_not_of(" \t");
            field =
                first == std::string::npos ? std::string() : field.substr(first, last - first + 1);
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size()) return true;
        ++i;  // the comma
    }
}

bool needsQuotes(std::string_view name) {
    return name.find_first_of(",\"") != std::string_view::npos ||
           (!name.empty() && (name.front() == ' ' || name.front() == '\t' || name.back() == ' ' ||
                              name.back() == '\t'));
}

// Control characters cannot be part of a name on one line.
std::string cleanName(std::string_view name) {
    std::string clean(name);
    for (char& c : clean) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) c = ' ';
    }
    return clean;
}

}  // namespace

std::optional<std::vector<LoadCase>> LoadCaseFile::parse(std::string_view text, QString* error) {
    auto fail = [error](int line, const QString& reason) -> std::optional<std::vector<LoadCase>> {
        if (error)
            *error =
                QCoreApplication::translate("LoadCaseFile", "%1 行目: %2").arg(line).arg(reason);
        return std::nullopt;
    };
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    // Column of each action in a line (−1: not in the file); the name is column 0.
    std::array<int, kLoadActionCount> columns{};
    for (std::size_t a = 0; a < kLoadActionCount; ++a) columns[a] = static_cast<int>(a) + 1;
    std::size_t fieldCount = kLoadActionCount + 1;
    bool firstLine = true;

    std::vector<LoadCase> cases;
    std::vector<std::string> fields;
    int lineNumber = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find_first_of("\r\n", position);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(position, end - position);
        position = end;
        if (position < text.size() && text[position] == '\r') ++position;
        if (position < text.size() && text[position] == '\n') ++position;
        ++lineNumber;
        if (line.find_first_not_of(" \t,") == std::string_view::npos) continue;  // blank
        if (!splitFields(line, fields))
            return fail(lineNumber,
                        QCoreApplication::translate("LoadCaseFile", "引用符が閉じていません。"));

        if (firstLine) {
            firstLine = false;
            // A header: its first field is "name" and the others are action keys.
            std::string first = fields[0];
            for (char& c : first)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (first == "name") {
                columns.fill(-1);
                for (std::size_t f = 1; f < fields.size(); ++f) {
                    const std::optional<LoadAction> action = loadActionOfKey(fields[f]);
                    if (!action)
                        return fail(
                            lineNumber,
                            QCoreApplication::translate(
                                "LoadCaseFile",
                                "見出し「%1」は N, Mx, My, Vx, Vy, T のどれでもありません。")
                                .arg(fromUtf8(fields[f])));
                    int& column = columns[static_cast<std::size_t>(*action)];
                    if (column >= 0)
                        return fail(lineNumber, QCoreApplication::translate(
                                                    "LoadCaseFile", "見出し「%1」が2回あります。")
                                                    .arg(fromUtf8(fields[f])));
                    column = static_cast<int>(f);
                }
                fieldCount = fields.size();
                continue;
            }
        }

        if (fields.size() != fieldCount)
            return fail(lineNumber, QCoreApplication::translate(
                                        "LoadCaseFile", "項目が%1個あります（%2個のはずです）。")
                                        .arg(fields.size())
                                        .arg(fieldCount));
        if (cases.size() >= kMaxCases)
            return fail(lineNumber,
                        QCoreApplication::translate("LoadCaseFile", "荷重ケースが%1を超えます。")
                            .arg(kMaxCases));
        LoadCase loads;
        loads.name = cleanName(fields[0]);
        if (loads.name.size() > kMaxNameLength)
            return fail(lineNumber,
                        QCoreApplication::translate("LoadCaseFile", "名前が%1バイトを超えます。")
                            .arg(kMaxNameLength));
        if (loads.name.empty()) loads.name = std::to_string(cases.size() + 1);
        for (const LoadActionEntry& entry : kLoadActions) {
            const int column = columns[static_cast<std::size_t>(entry.action)];
            if (column < 0) continue;
            const std::string& field = fields[static_cast<std::size_t>(column)];
            const std::optional<double> value = parseNumeric(field);
            if (!value || !std::isfinite(*value))
                return fail(lineNumber, QCoreApplication::translate(
                                            "LoadCaseFile", "%1 の「%2」は数値ではありません。")
                                            .arg(fromUtf8(entry.key))
                                            .arg(fromUtf8(field.substr(0, 40))));
            loads[entry.action] = *value;
        }
        cases.push_back(std::move(loads));
    }
    if (cases.empty()) {
        if (error) *error = QCoreApplication::translate("LoadCaseFile", "荷重ケースがありません。");
        return std::nullopt;
    }
    return cases;
}

std::string LoadCaseFile::text(const std::vector<LoadCase>& cases) {
    std::string text = "name";
    for (const LoadActionEntry& entry : kLoadActions) text += ',' + std::string(entry.key);
    text += '\n';
    for (const LoadCase& loads : cases) {
        const std::string name = cleanName(loads.name);
        if (needsQuotes(name)) {
            text += '"';
            for (const char c : name) text += c == '"' ? std::string("\"\"") : std::string(1, c);
            text += '"';
        } else {
            text += name;
        }
        for (const LoadActionEntry& entry : kLoadActions) {
            // The shortest text that reads back to the same double.
            char number[32];
            const auto written = std::to_chars(number, number + sizeof number, loads[entry.action]);
            text += ',';
            text.append(number, written.ptr);
        }
        text += '\n';
    }
    return text;
}

std::optional<std::vector<LoadCase>> LoadCaseFile::read(const QString& path, QString* error) {
    QString readError;
    const std::optional<std::string> text = readTextFile(path, &readError, kMaxFileSize);
    if (!text) {
        if (error) *error = readError;
        return std::nullopt;
    }
    QString parseError;
    std::optional<std::vector<LoadCase>> cases = parse(*text, &parseError);
    if (!cases && error) *error = QStringLiteral("%1: %2").arg(path, parseError);
    return cases;
}

bool LoadCaseFile::write(const QString& path, const std::vector<LoadCase>& cases, QString* error) {
    return writeFileSafely(path, text(cases), error);
}

}  // namespace kuvanto
