#include "dialogs/name_validator.h"

namespace dialogs {

QValidator::State NameValidator::validate(QString& input, int&) const
{
    for (const QChar c : input) {
        if (c == QLatin1Char('~') || c == QLatin1Char('^') || c.category() == QChar::Other_Control)
            return Invalid;
    }
    return Acceptable;
}

}  // namespace dialogs
