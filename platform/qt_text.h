#pragma once
#include <string>
#include <string_view>

#include <QString>

// The one crossing between the UTF-8 strings below the widgets and QString.
namespace platform {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A lone half of a surrogate pair is no character: it is left out rather
// than stored as "?".
inline std::string ToUtf8(const QString& text)
{
    QString whole;
    whole.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            whole += c;
            whole += text[++i];
        } else if (!c.isSurrogate()) {
            whole += c;
        }
    }
    return whole.toStdString();
}

}  // namespace platform
