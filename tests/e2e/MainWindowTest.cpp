// The real program as a whole: its main window's close button ends the process.
// What the main window does is the dialog suite's (tests/ui), on real windows too.

#include "KestrowFixture.h"

namespace e2e {
namespace {

using MainWindowTest = KestrowTest;

TEST_F(MainWindowTest, CloseButtonEndsTheProgram) {
    ASSERT_TRUE(PostMessageA(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0));
    EXPECT_TRUE(app.WaitForExit(kDefaultTimeout));
}

} // namespace
} // namespace e2e
