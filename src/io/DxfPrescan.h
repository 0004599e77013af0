// The first pass over a DXF file, before any of it reaches the DXF library. The library keeps
// fixed-size arrays whose sizes the file states and lines in a fixed buffer, so a hostile file
// could make it write out of bounds, allocate without limit or read without end. This pass
// checks the whole text up to "0 EOF" (size, binary form, group codes, numbers, the end of file;
// what follows the end mark is no part of the drawing) and hands on
// a rewritten text with only the entities the import uses, every count the library allocates
// by set to what actually follows, and no line longer than its buffer. Everything dropped is
// counted per layer.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kuvanto {

struct DxfPrescanResult {
    QString error;     // empty when the text can be read
    std::string text;  // the rewritten text for the DXF library
    // Entities dropped, by layer name and kind (type, or kPaperSpaceKind).
    std::map<std::string, std::map<std::string, std::size_t>> ignoredByLayer;
    int unitCode = 0;                       // $INSUNITS, 0 when not given, -1 when not an integer
    std::string version;                    // $ACADVER ("AC1015", ...), empty when not given
    std::string codePage;                   // $DWGCODEPAGE ("ANSI_1252", ...), empty when not given
    bool endMarkMissing = false;            // the file ends after its last section without "0 EOF"
    std::vector<std::string> hiddenLayers;  // layers off or frozen in the layer table
    // The normal of the plane the model space's outlines are drawn in: (0, 0, 1), or the one
    // tilted plane every planar outline shares when no outline is given in 3D coordinates.
    std::array<double, 3> planeNormal{0, 0, 1};
    std::size_t entities = 0;  // entities kept
};

class DxfPrescan {
public:
    static constexpr std::size_t kMaxBytes = 256u << 20;  // larger files are refused
    static constexpr std::size_t kMaxLine = 1000;         // the library's line buffer is 1024
    static constexpr double kMaxCoordinate = 1e12;

    static DxfPrescanResult scan(std::string_view bytes);
};

}  // namespace kuvanto
