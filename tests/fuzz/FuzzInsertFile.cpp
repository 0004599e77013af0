// Fuzz harness for the insertion-file reader: any bytes give the pairs up to the first one that
// is not two numbers, and inserting them at any row keeps the table whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/base/NumberText.h"
#include "core/table/CoordTable.h"
#include "io/InsertFile.h"
#include "io/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int row = size > 0 ? static_cast<int>(data[0] % 8) - 2 : 0;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = kuvanto::decodeFileBytes(std::move(bytes));
    const kuvanto::InsertPairs pairs = kuvanto::readInsertPairs(text);
    for (const auto& [x, y] : pairs.pairs) {
        if (!kuvanto::isNumericText(x) || !kuvanto::isNumericText(y)) std::abort();
    }
    kuvanto::CoordTable grid;
    kuvanto::resetCoordTable(grid);
    const int before = grid.rows();
    kuvanto::insertPairs(grid, row, pairs);
    if (grid.rows() != before + static_cast<int>(pairs.pairs.size())) std::abort();
    // Rows that go in before the entry row leave it last and empty.
    const bool beforeEntryRow = row <= 1;  // a fresh table: header row, entry row
    if (beforeEntryRow &&
        (!grid.text(grid.rows() - 1, 0).empty() || !grid.text(grid.rows() - 1, 1).empty()))
        std::abort();
    return 0;
}
