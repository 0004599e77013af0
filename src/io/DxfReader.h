// Reading a text DXF file into the drawing model of the section import. The file passes the
// first check (DxfPrescan) before the DXF library parses it; the library's entities are
// collected per block and layer, and the blocks are then expanded where they are inserted, each
// insertion with its transform (and arrays of insertions), up to a nesting depth: a block that
// inserts itself, or nests deeper, is refused with a message. Entities the import cannot use
// (text, dimensions, hatches, 3D objects, ...) are counted per layer.
#pragma once

#include <QString>
#include <string_view>

#include "core/drawing/CadDrawing.h"

namespace kuvanto {

class DxfReader {
public:
    static constexpr int kMaxBlockDepth = 16;
    // Most edges the expanded drawing may have.
    static constexpr std::size_t kMaxEdges = 10'000'000;

    // Reads DXF bytes. On failure returns false with a message in `error` (drawing unchanged).
    // `maxEdges` lowers the limit on the expanded drawing (the fuzz harness keeps runs short).
    static bool read(std::string_view bytes, CadDrawing& drawing, QString* error,
                     std::size_t maxEdges = kMaxEdges);
    // Reads a DXF file (regular files only, at most DxfPrescan::kMaxBytes).
    static bool readFile(const QString& path, CadDrawing& drawing, QString* error);
};

}  // namespace kuvanto
