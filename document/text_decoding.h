#pragma once
#include <string>
#include <string_view>

namespace document {

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Every byte taken as Windows-1252, written as UTF-8. The five bytes the code
// page leaves undefined map to the C1 controls of the same number, as Windows does.
std::string Windows1252ToUtf8(std::string_view text);

// A line read from one of our files: kept when it is UTF-8, else taken as
// Windows-1252, so files from the Windows program keep their accented names.
std::string DecodeFileLine(std::string_view line);

// Length in code points of UTF-8 text.
std::size_t utf8Length(std::string_view text);
// The first count code points of UTF-8 text; a cut never splits a sequence.
std::string utf8Prefix(std::string_view text, std::size_t count);

}  // namespace document
