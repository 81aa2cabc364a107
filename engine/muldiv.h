#pragma once
#include <cstdint>

namespace engine {

// a * b / c in 64 bits, halves rounded away from zero; -1 when c is 0, as
// the platform's MulDiv does. Every scaling of layout units goes through it.
constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t num = product < 0 ? -product : product;
    const std::int64_t den = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t q = (num + den / 2) / den;
    return static_cast<int>(negative ? -q : q);
}

}  // namespace engine
