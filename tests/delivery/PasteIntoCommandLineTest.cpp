// One delivery, as Apply makes it, against both kinds of command line on an
// in-memory desktop: what the editor executes, and what is refused before
// anything reaches it.
#include "link/EditorDelivery.h"
#include "tests/support/BothKinds.h"
#include "tests/support/MemoryDesktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrow {
namespace {

using uitest::CommandLineKind;
using Lines = std::vector<std::string>;

constexpr const char* kCommand = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr const char* kEarlierClipboard = "copied earlier by the user";

class PasteIntoCommandLineTest : public ::testing::TestWithParam<CommandLineKind> {
protected:
    void SetUp() override {
        commandLine =
            desktop.AddCommandLine(desktop.AddTopLevelWindow("Unreal Log Window"), GetParam());
        desktop.SetClipboard(kEarlierClipboard);
    }

    MemoryDesktop desktop;
    WindowRef commandLine = 0;
};

// The editor's own command line adds a paste to what is typed there, and keeps
// 254 characters after its prompt: whatever the mapper left, even a full line,
// the editor executes exactly the command.
TEST_P(PasteIntoCommandLineTest, TheEditorExecutesExactlyTheCommandWhateverWasLeftTyped) {
    Lines executed;
    for (const std::string& leftover :
         {std::string(), std::string("abc"), std::string("TEXALIGN"), std::string(300, 'x')}) {
        SCOPED_TRACE(leftover.size());
        desktop.TypeInto(commandLine, leftover);
        EXPECT_EQ(PasteIntoCommandLine(desktop, commandLine, kCommand), DeliveryResult::Delivered);
        executed.push_back(kCommand);
        EXPECT_EQ(desktop.Executed(commandLine), executed);
        EXPECT_EQ(desktop.Typed(commandLine), "");
        EXPECT_EQ(desktop.Clipboard(), kCommand);
    }
}

// A command the editor would run differently (cut at its 254th character or at
// the first character outside printable ASCII) is refused before the clipboard
// is touched; the longest it takes arrives whole.
TEST_P(PasteIntoCommandLineTest, RefusesWhatTheEditorWouldRunDifferently) {
    struct Case {
        const char* name;
        std::string command;
        DeliveryResult result;
    };
    const std::string longest = "POLY TEXPAN U=1 " + std::string(254 - 16, 'x');
    const Case cases[] = {
        {"the longest", longest, DeliveryResult::Delivered},
        {"one character longer", longest + "x", DeliveryResult::TooLong},
        {"a tab", "POLY\tTEXPAN U=2", DeliveryResult::NotPrintable},
        {"a character beyond ASCII", "SET Wall Caf\xC3\xA9 1", DeliveryResult::NotPrintable},
        {"DEL", "POLY TEXPAN U=3\x7F", DeliveryResult::NotPrintable},
        {"a line break", "POLY TEXPAN U=4\r\nPOLY TEXPAN U=5", DeliveryResult::NotPrintable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t postedBefore = desktop.PostedMessages().size();
        const Lines executedBefore = desktop.Executed(commandLine);
        const std::string clipboardBefore = desktop.Clipboard();

        EXPECT_EQ(PasteIntoCommandLine(desktop, commandLine, c.command), c.result);

        Lines executed = executedBefore;
        if (c.result == DeliveryResult::Delivered)
            executed.push_back(c.command);
        else
            EXPECT_EQ(desktop.PostedMessages().size(), postedBefore);
        EXPECT_EQ(desktop.Executed(commandLine), executed);
        EXPECT_EQ(desktop.Clipboard(),
                  c.result == DeliveryResult::Delivered ? c.command : clipboardBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, PasteIntoCommandLineTest, uitest::BothKinds(),
                         uitest::KindParamName());

// The clipboard takes the command, but another program writes over it before it
// is read back: the editor would paste that program's text, so nothing is sent.
class ClipboardWrittenOverElsewhere : public MemoryDesktop {
public:
    bool WriteClipboardText(const std::string& text) override {
        MemoryDesktop::WriteClipboardText(text);
        SetClipboard("written by another program");
        return true;
    }
};

TEST(PasteIntoCommandLine, AClipboardWrittenOverBeforeItIsReadBackSendsNothing) {
    ClipboardWrittenOverElsewhere desktop;
    const WindowRef commandLine = desktop.AddCommandLine(
        desktop.AddTopLevelWindow("Unreal Log Window"), CommandLineKind::EditorLike);

    EXPECT_EQ(PasteIntoCommandLine(desktop, commandLine, kCommand), DeliveryResult::ClipboardBusy);

    EXPECT_TRUE(desktop.PostedMessages().empty());
    EXPECT_TRUE(desktop.Executed(commandLine).empty());
    EXPECT_EQ(desktop.Now(), kClipboardPatience);
}

} // namespace
} // namespace kestrow
