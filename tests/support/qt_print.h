#pragma once
#include <ostream>

#include <QString>

// Failure messages show QStrings as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
