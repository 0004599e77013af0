// Reading and writing whole text files in the encodings the program's files use. Files are read
// whole; a file whose bytes are valid UTF-8 (with or without a BOM) is taken as UTF-8, any other
// as the Japanese Windows code page 932. Reading takes time linear in the file size for any
// bytes. Files are written whole or not at all (writeFileSafely).
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace kuvanto {

// Cp932OrUtf8: code page 932 when the text reads back from it unchanged, otherwise UTF-8 (which the
// readers recognise), so that a cell text the code page cannot hold, or holds only one way, is
// never changed by a save.
enum class FileEncoding { Cp932, Utf8, Cp932OrUtf8 };

// UTF-8 text of the bytes: valid UTF-8 stays (a leading BOM is dropped), anything else is decoded
// from code page 932 (undecodable bytes become U+FFFD).
std::string decodeFileBytes(std::string_view bytes);
// The same, reusing the buffer when the bytes are UTF-8 already.
std::string decodeFileBytes(std::string&& bytes);

// UTF-8 text of code page 932 bytes, whatever else they could be read as.
std::string decodeCp932(std::string_view bytes);

// Code page 932 bytes of UTF-8 text; characters without a CP932 form become "?".
std::string encodeCp932(std::string_view utf8);

// Code page 932 bytes of UTF-8 text, or nothing when some character has no CP932 form.
std::optional<std::string> encodeCp932Exact(std::string_view utf8);

// Whether the bytes are valid UTF-8 (pure ASCII included).
bool isValidUtf8(std::string_view bytes);

// The bytes a file of the text gets in the encoding. For Cp932OrUtf8 these always decode back
// to exactly the text (when it is valid UTF-8).
std::string encodeForFile(std::string_view utf8, FileEncoding encoding);

// The size of the largest file readTextFile takes by default: a quarter of the memory the system
// has available (at least 64 MiB).
std::size_t readableFileLimit();

// Reads the whole regular file's bytes as they are, refusing as readTextFile does.
std::optional<std::string> readFileBytes(const QString& path, QString* error = nullptr,
                                         std::size_t sizeLimit = 0);

// Reads the whole regular file and decodes it. On failure returns nothing and, when `error` is
// given, sets it to a sentence that names the file and the reason. A file larger than
// `sizeLimit` bytes (0: readableFileLimit()) is refused before any memory is taken for it, and
// running out of memory while reading is a refusal too.
std::optional<std::string> readTextFile(const QString& path, QString* error = nullptr,
                                        std::size_t sizeLimit = 0);

// Replaces the file with the text in the given encoding, atomically. On failure the old file is
// untouched, false is returned and `error` names the file and the reason.
bool writeTextFile(const QString& path, std::string_view utf8, FileEncoding encoding,
                   QString* error = nullptr);

}  // namespace kuvanto
