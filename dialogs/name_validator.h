#pragma once
#include <QValidator>

namespace dialogs {

// Refuses "~" and "^", which split the User Directory line and the applet
// page's names, and control characters, which would split a file line.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace dialogs
