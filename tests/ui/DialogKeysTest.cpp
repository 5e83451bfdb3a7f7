#include "ui/Dialog.h"
#include "ui/IconPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogKeys, EnterAndEscapeChooseTheirCommand) {
    using ui::DialogKey;
    struct Case {
        DialogKey key;
        int focusedPushButton;
        int defaultButton;
        int command;
    };
    const Case cases[] = {
        {DialogKey::Enter, 0, 0, ui::kIdOk},      // main window: command box focused
        {DialogKey::Enter, 1001, 0, 1001},        // main window: Apply focused
        {DialogKey::Enter, 0, 1, 1},              // page: hidden default button
        {DialogKey::Enter, 0, 1050, 1050},        // remote window: big button
        {DialogKey::Enter, 2, 1050, 2},           // remote window: Recall focused
        {DialogKey::Escape, 0, 0, ui::kIdCancel}, // anywhere
        {DialogKey::Escape, 1001, 1, ui::kIdCancel},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::DialogKeyCommand(c.key, c.focusedPushButton, c.defaultButton), c.command);
}

TEST(IconPlacement, CentresAndTruncatesTowardZero) {
    struct Case {
        int width, height, x, y;
    };
    const Case cases[] = {
        {32, 32, 0, 0},  {100, 50, 34, 9}, {33, 34, 1, 1},
        {31, 0, 0, -15}, {0, 29, -15, -1}, {-1, 30, -16, 0},
    };
    for (const Case& c : cases) {
        ui::IconOrigin origin = ui::CenteredIconOrigin(c.width, c.height, 32, 32);
        EXPECT_EQ(origin.x, c.x) << c.width;
        EXPECT_EQ(origin.y, c.y) << c.height;
    }
}

} // namespace
