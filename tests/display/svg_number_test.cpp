// The browser build's hand-written number text against the standard library's own.
#include "display/svg_number.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

using namespace tambrel;

namespace {

std::string standard(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

TEST(SvgNumber, WritesWhatToCharsWrites) {
    // Where plain and exponent forms are close in length, and the drawing's usual figures.
    for (const double value : {0.0,     1.0,   -1.0,     0.5,       12.5,     0.0125,    0.0001,
                               -0.0001, 0.001, 100000.0, 1000000.0, 120000.0, 75000.0,   4.5,
                               7.252,   83.0,  1e21,     1e-7,      2066.0,   0.1 + 0.2, 1.0 / 3.0})
        EXPECT_EQ(shortestDecimal(value), standard(value)) << value;
}

TEST(SvgNumber, WritesEveryDrawnCoordinateAsToCharsDoes) {
    // Coordinates as the painter rounds them: to a ten-thousandth, over a sheet's whole range.
    std::mt19937 random(2066);
    std::uniform_real_distribution<double> spread(-2000.0, 80000.0);
    for (int n = 0; n < 20000; ++n) {
        const double value = std::round(spread(random) * (n % 3 == 0 ? 1 : 1e4)) / 1e4;
        ASSERT_EQ(shortestDecimal(value), standard(value)) << value;
    }
}

} // namespace
