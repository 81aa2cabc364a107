#pragma once
#include <string>

#include <QString>

// The one crossing between the program's UTF-8 std::string and QString.
namespace platform {

inline QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

inline std::string toStdString(const QString& text)
{
    return text.toStdString();
}

}  // namespace platform
