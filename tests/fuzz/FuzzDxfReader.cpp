// Fuzz harness for the DXF reader: any bytes are either refused with a message or read into a
// drawing whose loops, nesting and tables are built without a crash, a hang or a broken table.
// The DXF library itself is not instrumented; the first check in front of it is what keeps it
// from the inputs that would make it misbehave, and a crash inside it still fails the run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/drawing/DrawingSections.h"
#include "core/table/CoordTable.h"
#include "io/DxfImport.h"
#include "io/DxfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kuvanto::CadDrawing drawing;
    QString error;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Limits far below the program's keep each run short under the sanitizers; the program's own
    // limits are exercised by the unit tests.
    if (!kuvanto::DxfReader::read(bytes, drawing, &error, 100'000)) {
        if (error.isEmpty()) std::abort();  // a refusal always says why
        return 0;
    }
    kuvanto::DxfImportOptions options;
    options.chordError = 0.5;
    options.pointLimit = 200'000;
    std::vector<kuvanto::LayerOutlines> layers;
    if (!kuvanto::DxfImport::outline(drawing, options, layers, &error)) return 0;
    kuvanto::CoordTable add;
    kuvanto::CoordTable subtracted;
    kuvanto::DrawingSections::replaceTables(add, subtracted,
                                            kuvanto::DxfImport::figures(layers, options));
    for (const kuvanto::CoordTable* grid : {&add, &subtracted}) {
        const int last = grid->rows() - 1;
        if (last < 1 || !grid->text(last, 0).empty() || !grid->text(last, 1).empty()) std::abort();
    }
    return 0;
}
