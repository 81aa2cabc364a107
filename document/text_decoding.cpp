#include "document/text_decoding.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

namespace document {

bool IsValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<std::uint8_t>(text[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        // Lead byte: sequence length, its payload bits, the smallest code point it may carry.
        int length = 0;
        char32_t c = 0;
        char32_t min = 0;
        if ((b & 0xE0) == 0xC0) {
            length = 2;
            c = b & 0x1F;
            min = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3;
            c = b & 0x0F;
            min = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4;
            c = b & 0x07;
            min = 0x10000;
        } else {
            return false;
        }
        if (text.size() - i < static_cast<std::size_t>(length))
            return false;
        for (int k = 1; k < length; ++k) {
            const auto t = static_cast<std::uint8_t>(text[i + k]);
            if ((t & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (t & 0x3F);
        }
        if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (char ch : text) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b >= 0x80 && b < 0xA0)
            AppendUtf8(out, kWindows1252High[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

std::string DecodeFileLine(std::string_view line)
{
    if (IsValidUtf8(line))
        return std::string(line);
    return Windows1252ToUtf8(line);
}

std::size_t utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (char ch : text)
        count += (static_cast<std::uint8_t>(ch) & 0xC0) != 0x80;
    return count;
}

std::string utf8Prefix(std::string_view text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t points = 0; end < text.size(); ++end) {
        // A code point starts at every byte that is not a continuation byte.
        if ((static_cast<std::uint8_t>(text[end]) & 0xC0) != 0x80 && points++ == count)
            break;
    }
    return std::string(text.substr(0, end));
}

}  // namespace document
