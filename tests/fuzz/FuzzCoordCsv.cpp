// Fuzz harness for the coordinate-file reader: any bytes are decoded and read into fresh tables
// without a crash, a hang or a broken table (every table keeps its header and empty entry row).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/table/CoordTable.h"
#include "io/CoordCsv.h"
#include "io/MaterialText.h"
#include "io/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = kuvanto::decodeFileBytes(std::move(bytes));
    if (!kuvanto::isValidUtf8(text)) std::abort();
    kuvanto::CoordTable add;
    kuvanto::CoordTable subtracted;
    kuvanto::resetCoordTable(add, subtracted);
    std::size_t skipped = 0;
    kuvanto::SectionMaterials materials;
    kuvanto::fillFromCsvText(
        text, add, subtracted, [&](const std::string&) { ++skipped; }, &materials);
    // Whatever materials were read are valid and come back the same from their own lines.
    for (const kuvanto::Material& m : materials.materials()) {
        if (kuvanto::materialProblem(m)) std::abort();
    }
    std::string lines;
    kuvanto::appendMaterialText(lines, materials);
    kuvanto::SectionMaterials again;
    kuvanto::parseMaterialText(lines, again, [](const std::string&) { std::abort(); });
    if (!(again == materials)) std::abort();
    for (const kuvanto::CoordTable* grid : {&add, &subtracted}) {
        const int last = grid->rows() - 1;
        if (last < 1 || !grid->text(last, 0).empty() || !grid->text(last, 1).empty()) std::abort();
    }
    return 0;
}
