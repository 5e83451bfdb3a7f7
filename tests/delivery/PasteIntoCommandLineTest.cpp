// One delivery, as Apply makes it, against every kind of command line on an
// in-memory desktop: what the editor executes, and what is refused before
// anything reaches it.
#include "link/EditorDelivery.h"
#include "tests/support/EveryKind.h"
#include "tests/support/MemoryDesktop.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kestrow {
namespace {

using uitest::CommandLineKind;
using Lines = std::vector<std::string>;

constexpr const char* kCommand = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr const char* kEarlierClipboard = "copied earlier by the user";

// The editor's command line as delivery finds it.
CommandLine Opened(MemoryDesktop& desktop) {
    CommandLine opened;
    EXPECT_EQ(OpenCommandLine(desktop, kEditorPatience, opened), DeliveryResult::Delivered);
    return opened;
}

class PasteIntoCommandLineTest : public ::testing::TestWithParam<CommandLineKind> {
protected:
    void SetUp() override {
        commandLine = desktop.AddEditor(GetParam());
        desktop.SetClipboard(kEarlierClipboard);
        opened = Opened(desktop);
    }

    MemoryDesktop desktop;
    WindowRef commandLine = 0;
    CommandLine opened;
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
        EXPECT_EQ(PasteIntoCommandLine(desktop, opened, kCommand), DeliveryResult::Delivered);
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

        EXPECT_EQ(PasteIntoCommandLine(desktop, opened, c.command), c.result);

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

INSTANTIATE_TEST_SUITE_P(EveryKind, PasteIntoCommandLineTest, uitest::EveryKind(),
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
    const WindowRef commandLine = desktop.AddEditor(CommandLineKind::Classic);

    EXPECT_EQ(PasteIntoCommandLine(desktop, Opened(desktop), kCommand),
              DeliveryResult::ClipboardBusy);

    EXPECT_TRUE(desktop.PostedMessages().empty());
    EXPECT_TRUE(desktop.Executed(commandLine).empty());
    EXPECT_EQ(desktop.Now(), kClipboardPatience);
}

// Every editor build's log window is of the editor's class, whatever its title
// says; only where there is none does the older title find a log window, which
// a game's log window may carry too.
TEST(OpenCommandLine, FindsTheEditorsLogWindowFirst) {
    struct Case {
        const char* name;
        bool gameFirst;
        std::optional<CommandLineKind> editor;
        bool gameExecutes;
    };
    const Case cases[] = {
        {"UT 469 beside a game titled as the older editors", true, CommandLineKind::Ut469, false},
        {"Unreal 227 beside its game", true, CommandLineKind::Unreal227, false},
        {"a stand-in known by its title alone", false, CommandLineKind::PlainEdit, false},
        {"the game alone", true, std::nullopt, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryDesktop desktop;
        const auto [gameClass, gameTitle] = uitest::kGameLogWindow;
        const WindowRef game = c.gameFirst ? desktop.AddCommandLine(
                                                 desktop.AddTopLevelWindow(gameTitle, gameClass),
                                                 CommandLineKind::Classic)
                                           : 0;
        const WindowRef editor = c.editor ? desktop.AddEditor(*c.editor) : 0;

        ASSERT_EQ(PasteIntoCommandLine(desktop, Opened(desktop), kCommand),
                  DeliveryResult::Delivered);
        if (editor != 0) {
            EXPECT_EQ(desktop.Executed(editor), Lines{kCommand});
        }
        if (game != 0) {
            EXPECT_EQ(desktop.Executed(game), c.gameExecutes ? Lines{kCommand} : Lines{});
        }
    }
}

} // namespace
} // namespace kestrow
