// Fuzz harness for the text form of the tables (undo snapshots, the direct-editing buffer): any
// bytes are read into the tables, and whatever the tables then hold is written and read back
// unchanged, through the file encoding as well.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/table/CoordTable.h"
#include "io/CoordText.h"
#include "io/TextFile.h"

namespace {

bool sameCells(const kuvanto::CoordTable& a, const kuvanto::CoordTable& b) {
    if (a.rows() != b.rows()) return false;
    for (int r = 0; r < a.rows(); ++r) {
        if (a.text(r, 0) != b.text(r, 0) || a.text(r, 1) != b.text(r, 1)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = kuvanto::decodeFileBytes(std::move(bytes));
    kuvanto::CoordTable add, subtracted;
    kuvanto::SectionMaterials materials;
    kuvanto::parseCoordText(text, add, subtracted, &materials);

    const std::string written = kuvanto::coordText(add, subtracted, &materials);
    const std::string stored = kuvanto::encodeForFile(written, kuvanto::FileEncoding::Cp932OrUtf8);
    if (kuvanto::decodeFileBytes(std::string_view(stored)) != written) std::abort();
    kuvanto::CoordTable add2, subtracted2;
    kuvanto::SectionMaterials materials2;
    kuvanto::parseCoordText(written, add2, subtracted2, &materials2);
    if (!sameCells(add, add2) || !sameCells(subtracted, subtracted2)) std::abort();
    if (!(materials == materials2)) std::abort();
    return 0;
}
