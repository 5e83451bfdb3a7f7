#pragma once

#include <cmath>

#include <gtest/gtest.h>

namespace kestrow::testing {

// The worked examples give results to 12 significant digits; allow a few units
// in that last digit.
inline ::testing::AssertionResult NearTwelveDigits(double expected, double actual) {
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 11);
    if (std::fabs(actual - expected) <= 3 * unit) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "expected " << expected << " to 12 digits, got " << actual;
}

} // namespace kestrow::testing
