#pragma once

#include <cmath>
#include <limits>

// Numbers come from documents and replies anybody can write, and JSON has
// only doubles. Turning a double outside an integer type's range into that
// type is undefined behaviour, not a big number: these clamp first.
namespace LWJsonNumbers {

// The nearest integer, halves rounded up as qRound does; the type's limits
// beyond them.
template <typename Int>
Int rounded(double value)
{
    constexpr Int lowest = std::numeric_limits<Int>::min();
    constexpr Int highest = std::numeric_limits<Int>::max();
    if (std::isnan(value))
        return 0;
    if (value <= double(lowest))
        return lowest;
    if (value >= double(highest))
        return highest;
    return Int(std::floor(value + 0.5));
}

// The integer part; the type's limits beyond them.
template <typename Int>
Int truncated(double value)
{
    constexpr Int lowest = std::numeric_limits<Int>::min();
    constexpr Int highest = std::numeric_limits<Int>::max();
    if (std::isnan(value))
        return 0;
    if (value <= double(lowest))
        return lowest;
    if (value >= double(highest))
        return highest;
    return Int(std::trunc(value));
}

} // namespace LWJsonNumbers
