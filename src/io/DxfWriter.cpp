// The DXF text is written group by group; numbers in their shortest form that reads back to the
// same double, texts beyond ASCII as \U+XXXX escapes (the DXF form that needs no code page).
#include "io/DxfWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <tuple>
#include <vector>

#include <QCoreApplication>

#include "core/base/NumberText.h"
#include "core/section/Figures.h"
#include "io/DxfPrescan.h"
#include "io/ResultExport.h"
#include "io/SafeWrite.h"

namespace kuvanto {

namespace {

class Groups {
public:
    void add(int code, std::string_view value) {
        text_ += std::to_string(code);
        text_ += '\n';
        text_ += value;
        text_ += '\n';
    }
    void add(int code, double value) {
        char buffer[32];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0);
        add(code, std::string_view(buffer, ec == std::errc() ? end - buffer : 0));
    }
    void add(int code, int value) { add(code, std::string_view(std::to_string(value))); }
    std::string& text() { return text_; }

private:
    std::string text_;
};

// UTF-8 text with every non-ASCII character as \U+XXXX.
std::string escaped(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        char32_t code = c & (length == 4 ? 0x07 : length == 3 ? 0x0F : 0x1F);
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "\\U+%04X", static_cast<unsigned>(code));
        out += buffer;
        i += length;
    }
    return out;
}

struct Bounds {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    void grow(Point p) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    bool empty() const { return !(maxX >= minX); }
};

std::string hex(unsigned handle) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", handle);
    return buffer;
}

// The fixed handles of the drawing's frame; entities are numbered from kFirstEntity on.
namespace handle {
constexpr unsigned kBlockRecordTable = 0x1, kLayerTable = 0x2, kStyleTable = 0x3,
                   kLineTypeTable = 0x5, kViewTable = 0x6, kUcsTable = 0x7, kViewportTable = 0x8,
                   kAppIdTable = 0x9, kDimStyleTable = 0xA, kRootDictionary = 0xC,
                   kGroupDictionary = 0xD, kLayerZero = 0x10, kFirstLayer = 0x11,
                   kStandardStyle = 0x14, kByBlock = 0x15, kByLayer = 0x16, kContinuous = 0x17,
                   kActiveViewport = 0x18, kAcadAppId = 0x19, kLayoutDictionary = 0x1C,
                   kModelLayout = 0x1D, kPaperLayout = 0x1E, kModelRecord = 0x1F,
                   kModelBlock = 0x20, kModelBlockEnd = 0x21, kPaperRecord = 0x22,
                   kPaperBlock = 0x23, kPaperBlockEnd = 0x24, kStandardDimStyle = 0x27,
                   kFirstEntity = 0x100;
}  // namespace handle

// An entity's head: type, handle, owner (the model space), layer.
void entityHead(Groups& out, const char* type, unsigned& next, const char* layer) {
    out.add(0, type);
    out.add(5, hex(next++));
    out.add(330, hex(handle::kModelRecord));
    out.add(100, "AcDbEntity");
    out.add(8, layer);
}

void polyline(Groups& out, std::span<const Point> vertices, const char* layer, Bounds& bounds,
              unsigned& next) {
    std::vector<Point> points(vertices.begin(), vertices.end());
    if (points.size() > 1 && points.front() == points.back()) points.pop_back();
    if (points.empty()) return;
    entityHead(out, "LWPOLYLINE", next, layer);
    out.add(100, "AcDbPolyline");
    out.add(90, static_cast<int>(points.size()));
    out.add(70, 1);
    for (const Point& p : points) {
        out.add(10, p.x);
        out.add(20, p.y);
        bounds.grow(p);
    }
}

// A symbol table's head and the common part of its entries.
void tableHead(Groups& out, const char* name, unsigned tableHandle, int entries) {
    out.add(0, "TABLE");
    out.add(2, name);
    out.add(5, hex(tableHandle));
    out.add(330, "0");
    out.add(100, "AcDbSymbolTable");
    out.add(70, entries);
}

void entryHead(Groups& out, const char* type, unsigned entryHandle, unsigned tableHandle,
               const char* subclass, const char* name) {
    out.add(0, type);
    out.add(5, hex(entryHandle));
    out.add(330, hex(tableHandle));
    out.add(100, "AcDbSymbolTableRecord");
    out.add(100, subclass);
    out.add(2, name);
    out.add(70, 0);
}

// The tables an AutoCAD 2000 drawing carries, each with its handle and owner.
void tables(Groups& out, const char* const* layers, const int* colours, int layerCount) {
    out.add(0, "SECTION");
    out.add(2, "TABLES");

    tableHead(out, "VPORT", handle::kViewportTable, 1);
    entryHead(out, "VPORT", handle::kActiveViewport, handle::kViewportTable,
              "AcDbViewportTableRecord", "*Active");
    for (const auto& [code, value] : std::initializer_list<std::pair<int, double>>{
             {10, 0},    {20, 0},   {11, 1},  {21, 1}, {12, 0}, {22, 0}, {13, 0}, {23, 0}, {14, 10},
             {24, 10},   {15, 10},  {25, 10}, {16, 0}, {26, 0}, {36, 1}, {17, 0}, {27, 0}, {37, 0},
             {40, 1000}, {41, 1.5}, {42, 50}, {43, 0}, {44, 0}, {50, 0}, {51, 0}})
        out.add(code, value);
    out.add(0, "ENDTAB");

    tableHead(out, "LTYPE", handle::kLineTypeTable, 3);
    for (const auto& [h, name, text] :
         {std::tuple{handle::kByBlock, "ByBlock", ""}, std::tuple{handle::kByLayer, "ByLayer", ""},
          std::tuple{handle::kContinuous, "Continuous", "Solid line"}}) {
        entryHead(out, "LTYPE", h, handle::kLineTypeTable, "AcDbLinetypeTableRecord", name);
        out.add(3, text);
        out.add(72, 65);
        out.add(73, 0);
        out.add(40, 0.0);
    }
    out.add(0, "ENDTAB");

    tableHead(out, "LAYER", handle::kLayerTable, layerCount + 1);
    for (int i = -1; i < layerCount; ++i) {
        entryHead(out, "LAYER", i < 0 ? handle::kLayerZero : handle::kFirstLayer + i,
                  handle::kLayerTable, "AcDbLayerTableRecord", i < 0 ? "0" : layers[i]);
        out.add(62, i < 0 ? 7 : colours[i]);
        out.add(6, "Continuous");
    }
    out.add(0, "ENDTAB");

    tableHead(out, "STYLE", handle::kStyleTable, 1);
    entryHead(out, "STYLE", handle::kStandardStyle, handle::kStyleTable, "AcDbTextStyleTableRecord",
              "Standard");
    out.add(40, 0.0);
    out.add(41, 1.0);
    out.add(50, 0.0);
    out.add(71, 0);
    out.add(42, 2.5);
    out.add(3, "txt");
    out.add(4, "");
    out.add(0, "ENDTAB");

    tableHead(out, "VIEW", handle::kViewTable, 0);
    out.add(0, "ENDTAB");
    tableHead(out, "UCS", handle::kUcsTable, 0);
    out.add(0, "ENDTAB");

    tableHead(out, "APPID", handle::kAppIdTable, 1);
    entryHead(out, "APPID", handle::kAcadAppId, handle::kAppIdTable, "AcDbRegAppTableRecord",
              "ACAD");
    out.add(0, "ENDTAB");

    tableHead(out, "DIMSTYLE", handle::kDimStyleTable, 1);
    out.add(100, "AcDbDimStyleTable");
    out.add(0, "DIMSTYLE");
    out.add(105, hex(handle::kStandardDimStyle));
    out.add(330, hex(handle::kDimStyleTable));
    out.add(100, "AcDbSymbolTableRecord");
    out.add(100, "AcDbDimStyleTableRecord");
    out.add(2, "Standard");
    out.add(70, 0);
    out.add(0, "ENDTAB");

    tableHead(out, "BLOCK_RECORD", handle::kBlockRecordTable, 2);
    for (const auto& [h, name, layout] :
         {std::tuple{handle::kModelRecord, "*Model_Space", handle::kModelLayout},
          std::tuple{handle::kPaperRecord, "*Paper_Space", handle::kPaperLayout}}) {
        out.add(0, "BLOCK_RECORD");
        out.add(5, hex(h));
        out.add(330, hex(handle::kBlockRecordTable));
        out.add(100, "AcDbSymbolTableRecord");
        out.add(100, "AcDbBlockTableRecord");
        out.add(2, name);
        out.add(340, hex(layout));
    }
    out.add(0, "ENDTAB");
    out.add(0, "ENDSEC");
}

// The model and paper space blocks.
void blocks(Groups& out) {
    out.add(0, "SECTION");
    out.add(2, "BLOCKS");
    for (const auto& [record, begin, end, name, paper] :
         {std::tuple{handle::kModelRecord, handle::kModelBlock, handle::kModelBlockEnd,
                     "*Model_Space", false},
          std::tuple{handle::kPaperRecord, handle::kPaperBlock, handle::kPaperBlockEnd,
                     "*Paper_Space", true}}) {
        out.add(0, "BLOCK");
        out.add(5, hex(begin));
        out.add(330, hex(record));
        out.add(100, "AcDbEntity");
        if (paper) out.add(67, 1);
        out.add(8, "0");
        out.add(100, "AcDbBlockBegin");
        out.add(2, name);
        out.add(70, 0);
        out.add(10, 0.0);
        out.add(20, 0.0);
        out.add(30, 0.0);
        out.add(3, name);
        out.add(1, "");
        out.add(0, "ENDBLK");
        out.add(5, hex(end));
        out.add(330, hex(record));
        out.add(100, "AcDbEntity");
        if (paper) out.add(67, 1);
        out.add(8, "0");
        out.add(100, "AcDbBlockEnd");
    }
    out.add(0, "ENDSEC");
}

void dictionary(Groups& out, unsigned h, unsigned owner,
                std::initializer_list<std::pair<const char*, unsigned>> entries) {
    out.add(0, "DICTIONARY");
    out.add(5, hex(h));
    out.add(330, owner == 0 ? std::string("0") : hex(owner));
    out.add(100, "AcDbDictionary");
    out.add(281, 1);
    for (const auto& [name, entry] : entries) {
        out.add(3, name);
        out.add(350, hex(entry));
    }
}

// The named object dictionary with its groups and the model and paper layouts.
void objects(Groups& out) {
    out.add(0, "SECTION");
    out.add(2, "OBJECTS");
    dictionary(
        out, handle::kRootDictionary, 0,
        {{"ACAD_GROUP", handle::kGroupDictionary}, {"ACAD_LAYOUT", handle::kLayoutDictionary}});
    dictionary(out, handle::kGroupDictionary, handle::kRootDictionary, {});
    dictionary(out, handle::kLayoutDictionary, handle::kRootDictionary,
               {{"Layout1", handle::kPaperLayout}, {"Model", handle::kModelLayout}});
    for (const auto& [h, name, record, order] :
         {std::tuple{handle::kModelLayout, "Model", handle::kModelRecord, 0},
          std::tuple{handle::kPaperLayout, "Layout1", handle::kPaperRecord, 1}}) {
        out.add(0, "LAYOUT");
        out.add(5, hex(h));
        out.add(102, "{ACAD_REACTORS");
        out.add(330, hex(handle::kLayoutDictionary));
        out.add(102, "}");
        out.add(330, hex(handle::kLayoutDictionary));
        out.add(100, "AcDbPlotSettings");
        out.add(1, "");
        out.add(2, "none_device");
        out.add(4, "");
        out.add(6, "");
        for (int code : {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 140, 141}) out.add(code, 0.0);
        out.add(142, 1.0);
        out.add(143, 1.0);
        out.add(70, 688);
        out.add(72, 1);  // millimetres
        out.add(73, 0);
        out.add(74, 5);
        out.add(7, "");
        out.add(75, 16);
        out.add(147, 1.0);
        out.add(148, 0.0);
        out.add(149, 0.0);
        out.add(100, "AcDbLayout");
        out.add(1, name);
        out.add(70, 1);
        out.add(71, order);
        for (const auto& [code, value] : std::initializer_list<std::pair<int, double>>{
                 {10, 0}, {20, 0}, {11, 420}, {21, 297}, {12, 0}, {22, 0},  {32, 0}, {14, 0},
                 {24, 0}, {34, 0}, {15, 0},   {25, 0},   {35, 0}, {146, 0}, {13, 0}, {23, 0},
                 {33, 0}, {16, 1}, {26, 0},   {36, 0},   {17, 0}, {27, 1},  {37, 0}})
            out.add(code, value);
        out.add(76, 0);
        out.add(330, hex(record));
    }
    out.add(0, "ENDSEC");
}

}  // namespace

std::string DxfWriter::text(const CoordTable& add, const CoordTable& subtracted,
                            const ResultTable* result) {
    // The header comes last, when the next free handle is known.
    Groups out;
    out.add(0, "SECTION");
    out.add(2, "CLASSES");
    out.add(0, "ENDSEC");
    const char* const layers[] = {kAddedLayer, kSubtractedLayer, kResultLayer};
    const int colours[] = {7, 1, 3};
    tables(out, layers, colours, 3);
    blocks(out);
    out.add(0, "SECTION");
    out.add(2, "ENTITIES");
    unsigned next = handle::kFirstEntity;
    Bounds bounds;
    int counter = 0;
    for (auto [grid, kind, layer] :
         {std::tuple{&add, TableKind::Added, kAddedLayer},
          std::tuple{&subtracted, TableKind::Subtracted, kSubtractedLayer}}) {
        // A copy: clang does not let a lambda capture a structured binding.
        const char* figureLayer = layer;
        buildFigures(*grid, kind, counter, [&](const Figure& figure) {
            polyline(out, figure.vertices, figureLayer, bounds, next);
            return true;
        });
    }
    if (result) {
        // One text line per result line, right of the drawing, a fortieth of its height tall.
        const double height =
            bounds.empty() ? 2.5
                           : std::max(bounds.maxY - bounds.minY, bounds.maxX - bounds.minX) / 40;
        const double x = bounds.empty() ? 0 : bounds.maxX + 4 * height;
        double y = bounds.empty() ? 0 : bounds.maxY;
        const std::string lines = exportResultText(*result);
        std::size_t start = 0;
        while (start < lines.size()) {
            std::size_t end = lines.find_first_of("\r\n", start);
            if (end == std::string::npos) end = lines.size();
            std::string line = lines.substr(start, end - start);
            std::replace(line.begin(), line.end(), '\t', ' ');
            y -= 1.5 * height;
            if (!line.empty()) {
                entityHead(out, "TEXT", next, kResultLayer);
                out.add(100, "AcDbText");
                out.add(10, x);
                out.add(20, y);
                out.add(30, 0.0);
                out.add(40, height);
                out.add(1, escaped(line));
                out.add(100, "AcDbText");
            }
            start = end + (lines.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
    }
    out.add(0, "ENDSEC");
    objects(out);
    out.add(0, "EOF");

    Groups header;
    header.add(0, "SECTION");
    header.add(2, "HEADER");
    header.add(9, "$ACADVER");
    header.add(1, "AC1015");
    header.add(9, "$HANDSEED");
    header.add(5, hex(next));
    header.add(9, "$INSUNITS");
    header.add(70, 4);
    header.add(9, "$MEASUREMENT");
    header.add(70, 1);
    header.add(0, "ENDSEC");
    return header.text() + out.text();
}

bool DxfWriter::write(const QString& path, const CoordTable& add, const CoordTable& subtracted,
                      const ResultTable* result, QString* error) {
    // A file the import would refuse is not written at all.
    std::optional<Point> beyond;
    int counter = 0;
    for (auto [grid, kind] :
         {std::pair{&add, TableKind::Added}, std::pair{&subtracted, TableKind::Subtracted}})
        buildFigures(*grid, kind, counter, [&](const Figure& figure) {
            for (const Point& p : figure.vertices)
                if (!(std::abs(p.x) <= DxfPrescan::kMaxCoordinate &&
                      std::abs(p.y) <= DxfPrescan::kMaxCoordinate)) {
                    beyond = p;
                    return false;
                }
            return true;
        });
    if (beyond) {
        if (error)
            *error =
                QCoreApplication::translate(
                    "DxfWriter",
                    "座標 (%1, %2) がDXFとして読み込める範囲 (±%3) を超えるため、書き出しません。")
                    .arg(QString::fromStdString(numText(beyond->x)),
                         QString::fromStdString(numText(beyond->y)),
                         QString::fromStdString(numText(DxfPrescan::kMaxCoordinate)));
        return false;
    }
    return writeFileSafely(path, text(add, subtracted, result), error);
}

}  // namespace kuvanto
