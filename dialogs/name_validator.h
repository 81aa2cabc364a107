#pragma once
#include <string>
#include <string_view>

#include <QValidator>

namespace dialogs {

// A name holds no "~" or "^", which split the User Directory line and the
// applet page's names, and no control character, which would split a file
// line. UTF-8.
bool IsAllowedName(std::string_view utf8);
// The name without those characters, for a name read from an older file.
std::string AllowedName(std::string_view utf8);

// Refuses what IsAllowedName refuses, as the user types.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace dialogs
