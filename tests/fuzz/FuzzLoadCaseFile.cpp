// Fuzz harness for the load-case file reader: any bytes give cases or a refusal with a reason,
// and cases read from a file are written and read back unchanged.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "io/LoadCaseFile.h"
#include "io/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = kuvanto::decodeFileBytes(std::move(bytes));
    QString error;
    const auto cases = kuvanto::LoadCaseFile::parse(text, &error);
    if (!cases) {
        if (error.isEmpty()) std::abort();
        return 0;
    }
    const auto again = kuvanto::LoadCaseFile::parse(kuvanto::LoadCaseFile::text(*cases), &error);
    if (!again || *again != *cases) std::abort();
    return 0;
}
