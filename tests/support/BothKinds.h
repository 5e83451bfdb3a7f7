#pragma once

#include "tests/support/EditorCommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace uitest {

// For a test that runs against both kinds of command line:
//   INSTANTIATE_TEST_SUITE_P(BothKinds, SomeTest, BothKinds(), KindParamName());
inline auto BothKinds() {
    return ::testing::Values(CommandLineKind::PlainEdit, CommandLineKind::EditorLike);
}

struct KindParamName {
    std::string operator()(const ::testing::TestParamInfo<CommandLineKind>& test) const {
        return KindName(test.param);
    }
};

} // namespace uitest
