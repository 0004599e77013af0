// The colour file "cl.ini": one line with the three drawing colours (added figures, subtracted
// figures, grid dots) as signed decimal integers in the layout 0x00BBGGRR, each written with a
// blank before and after, ended by CR LF.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace kuvanto {

struct DrawColors {
    std::int32_t add = 255;              // RGB(255, 0, 0)
    std::int32_t subtracted = 16711680;  // RGB(0, 0, 255)
    std::int32_t grid = 11857960;        // RGB(40, 240, 180)
    bool operator==(const DrawColors&) const = default;
};

inline constexpr DrawColors kFallbackColors{255, 16711680, 11857960};
inline constexpr DrawColors kDefaultButtonColors{255, 16711680, 16087170};

std::string colorFileText(const DrawColors& colors);  // " 255  16711680  11857960 \r\n"

// Reads the file; any failure (missing, fewer than three numbers, text that is not a number)
// gives the fallback colours.
DrawColors loadColorVal(const QString& path);
// The same for the file's decoded text.
DrawColors parseColorText(std::string_view text);

bool saveColorVal(const QString& path, const DrawColors& colors, QString* error = nullptr);

}  // namespace kuvanto
