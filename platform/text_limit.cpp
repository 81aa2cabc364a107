#include "platform/text_limit.h"

#include <algorithm>

#include <QLineEdit>

namespace platform {

int CharCount(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return count;
}

CharLimitValidator::CharLimitValidator(QObject* parent) : QValidator(parent)
{
    if (auto* edit = qobject_cast<QLineEdit*>(parent)) {
        m_last = edit->text();
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_last = text; });
    }
}

QValidator::State CharLimitValidator::validate(QString& input, int& pos) const
{
    int excess = CharCount(input) - m_limit;
    if (excess > 0) {
        // The insertion ends at the cursor.
        qsizetype cut = std::clamp<qsizetype>(pos, 0, input.size());
        const qsizetype end = cut;
        for (; excess > 0 && cut > 0; --excess) {
            --cut;
            if (cut > 0 && input[cut].isLowSurrogate() && input[cut - 1].isHighSurrogate())
                --cut;
        }
        if (excess > 0)
            return Invalid;
        input.remove(cut, end - cut);
        pos = static_cast<int>(cut);
        if (input == m_last)
            return Invalid;
    }
    return Allowed(input) ? Acceptable : Invalid;
}

void LimitChars(QLineEdit& edit, int count)
{
    auto* limit = qobject_cast<CharLimitValidator*>(const_cast<QValidator*>(edit.validator()));
    if (!limit) {
        limit = new CharLimitValidator(&edit);
        edit.setValidator(limit);
    }
    limit->SetLimit(std::max(count, CharCount(edit.text())));
}

void MakeRoomFor(QLineEdit& edit, const QString& text)
{
    auto* limit = qobject_cast<CharLimitValidator*>(const_cast<QValidator*>(edit.validator()));
    if (limit && limit->Limit() < CharCount(text))
        limit->SetLimit(CharCount(text));
}

}  // namespace platform
