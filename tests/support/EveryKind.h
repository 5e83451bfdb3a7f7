#pragma once

#include "tests/support/EditorCommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace uitest {

// For a test that runs against every kind of command line:
//   INSTANTIATE_TEST_SUITE_P(EveryKind, SomeTest, EveryKind(), KindParamName());
inline auto EveryKind() {
    return ::testing::ValuesIn(kEveryKind);
}

struct KindParamName {
    std::string operator()(const ::testing::TestParamInfo<CommandLineKind>& test) const {
        return KindName(test.param);
    }
};

} // namespace uitest
