#pragma once
#include <string>
#include <string_view>

#include "platform/text_limit.h"

namespace dialogs {

// A name holds no "~" or "^", which split the User Directory line and the
// applet page's names, and no control character, which would split a file
// line. UTF-8.
bool IsAllowedName(std::string_view utf8);
// The name without those characters, for a name read from an older file.
std::string AllowedName(std::string_view utf8);

// Refuses what IsAllowedName refuses, as the user types; a limit of
// characters set on the edit is kept too.
class NameValidator : public platform::CharLimitValidator {
    Q_OBJECT
public:
    using CharLimitValidator::CharLimitValidator;

protected:
    bool Allowed(const QString& input) const override;
};

}  // namespace dialogs
