#pragma once

#include <string>

#include <gtest/gtest.h>

namespace kestrow::testing {

// Names each parameterised case after the `name` field of its example row.
struct ExampleName {
    template <class Example>
    std::string operator()(const ::testing::TestParamInfo<Example>& row) const {
        return row.param.name;
    }
};

} // namespace kestrow::testing
