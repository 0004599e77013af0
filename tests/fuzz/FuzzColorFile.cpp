// Fuzz harness for the colour-file reader: any bytes give three colours (the fallback ones for
// anything unreadable), and colours read from a file are written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "io/ColorFile.h"
#include "io/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = kuvanto::decodeFileBytes(std::move(bytes));
    const kuvanto::DrawColors colors = kuvanto::parseColorText(text);
    if (kuvanto::parseColorText(kuvanto::colorFileText(colors)) != colors) std::abort();
    return 0;
}
