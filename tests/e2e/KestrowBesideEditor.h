#pragma once

#include "KestrowFixture.h"
#include "StandInEditorDriver.h"
#include "tests/support/EveryKind.h"

#include <string>

namespace e2e {

inline constexpr const char* kBevelDefaultsCommand = "POLY TEXSCALE UU=1.000000 VV=1.414214";
inline constexpr const char* kBevelLabel = "CMD: Bevel Scale";

// A fresh Kestrow.exe beside a stand-in editor, run with each kind of command
// line:
//   INSTANTIATE_TEST_SUITE_P(EveryKind, SomeTest, uitest::EveryKind(), uitest::KindParamName());
class KestrowBesideEditorTest : public KestrowTest,
                                public ::testing::WithParamInterface<uitest::CommandLineKind> {
protected:
    void SetUp() override {
        KestrowTest::SetUp();
        ASSERT_TRUE(editor.Start(GetParam()));
    }

    // Bevel Scale's command with the page's defaults, pending.
    void PublishBevel() {
        ASSERT_TRUE(app.SelectTab(Page::BevelScale));
        ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));
        ASSERT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));
    }

    StandInEditorDriver editor;
};

} // namespace e2e
