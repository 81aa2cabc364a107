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

inline std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}

}  // namespace platform
