// The load-case file: a CSV table of load cases, one a line, with a header naming the columns,
//   name,N,Mx,My,Vx,Vy,T
//   dead load,-120000,35000000,0,0,0,0
// forces in N and moments in N·mm whatever units the panel shows. A name holding a comma, a
// quote or blanks at either end is quoted ("a,b", a quote doubled). The header may list the
// actions in any order and leave some out (they are 0); without a header the columns are the
// order above. The file is untrusted input: every line must read completely, or the file is
// refused with the line and the reason, so that no case is ever dropped or read half.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/stress/LoadCase.h"

namespace kuvanto {

class LoadCaseFile {
public:
    // More cases than this, or a longer name, is refused.
    static constexpr std::size_t kMaxCases = 100000;
    static constexpr std::size_t kMaxNameLength = 200;
    // A larger file is refused before it is read.
    static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

    // The cases of the text (UTF-8), or nothing with `error` set to a translated sentence naming
    // the line and the reason. An empty name becomes the case's number ("1", "2", ...).
    static std::optional<std::vector<LoadCase>> parse(std::string_view text, QString* error);

    // The file's text for the cases: the header and one line per case, "\n" line ends, numbers
    // at full precision.
    static std::string text(const std::vector<LoadCase>& cases);

    // Reads and parses the file; on failure `error` names the file and the reason.
    static std::optional<std::vector<LoadCase>> read(const QString& path, QString* error);

    // Writes the file through the safe write (the old file stays whole on any failure).
    static bool write(const QString& path, const std::vector<LoadCase>& cases, QString* error);
};

}  // namespace kuvanto
