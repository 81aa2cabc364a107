#include "dialogs/common/name_validator.h"

#include "platform/qt_text.h"

namespace dialogs {

namespace {

// C0 controls, DEL, and the C1 controls as UTF-8 (C2 80 .. C2 9F).
std::size_t RefusedLength(std::string_view s, std::size_t at)
{
    const auto c = static_cast<unsigned char>(s[at]);
    if (c == '~' || c == '^' || c < 0x20 || c == 0x7F)
        return 1;
    if (c == 0xC2 && at + 1 < s.size()) {
        const auto next = static_cast<unsigned char>(s[at + 1]);
        if (next >= 0x80 && next <= 0x9F)
            return 2;
    }
    return 0;
}

}  // namespace

bool IsAllowedName(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (RefusedLength(utf8, i) != 0)
            return false;
    }
    return true;
}

std::string AllowedName(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (const std::size_t skip = RefusedLength(utf8, i); skip != 0) {
            i += skip;
            continue;
        }
        out += utf8[i++];
    }
    return out;
}

bool NameValidator::Allowed(const QString& input) const
{
    return IsAllowedName(platform::ToUtf8(input));
}

}  // namespace dialogs
