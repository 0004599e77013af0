// Fuzz harness for the shape library's registry "pre.ini": any bytes are read without a crash,
// and a registry the reader takes survives a registration followed by the deletion of that
// registration unchanged, byte for byte (but for a line end added after an unended last line).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "io/LibraryRegistry.h"
#include "io/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kuvanto::LibraryRegistry;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const kuvanto::RegistryRead read = LibraryRegistry::parse(kuvanto::decodeFileBytes(bytes));
    if (!read.ok) return 0;

    // A name no registry here holds: the deletion must take exactly the added line away.
    const kuvanto::RegistryEntry added{"\xE6\x96\xB0\xE8\xA6\x8F-fuzz", "fuzz.csv"};  // 新規
    for (const kuvanto::RegistryEntry& entry : read.entries) {
        if (entry.item() == added.item()) return 0;
    }
    const std::optional<std::string> withAdded = LibraryRegistry::appended(bytes, added);
    if (!withAdded) return 0;  // the file's encoding cannot hold the name: refused, nothing lost
    const kuvanto::RegistryRead reread =
        LibraryRegistry::parse(kuvanto::decodeFileBytes(*withAdded));
    std::vector<kuvanto::RegistryEntry> expected = read.entries;
    expected.push_back(added);
    if (!reread.ok || reread.entries != expected) std::abort();

    std::string original = bytes;
    if (original.back() != '\n' && original.back() != '\r') original += "\r\n";
    if (LibraryRegistry::withoutItem(*withAdded, added.item()) != original) std::abort();
    return 0;
}
