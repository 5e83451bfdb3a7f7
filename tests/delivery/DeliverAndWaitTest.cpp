// Sending a command and waiting until the editor has taken it, on an in-memory
// desktop whose clock moves only while delivery pauses or waits for an answer.
#include "link/EditorLink.h"
#include "tests/support/MemoryDesktop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kestrow {
namespace {

using std::chrono::milliseconds;

constexpr const char* kCommand = "POLY TEXPAN U=4";
constexpr const char* kEarlierClipboard = "copied earlier by the user";

// The editor's log window with its command line, and text the user copied earlier.
struct EditorDesktop {
    explicit EditorDesktop(uitest::CommandLineKind kind = uitest::CommandLineKind::PlainEdit) {
        commandLine = desktop.AddEditor(kind);
        desktop.SetClipboard(kEarlierClipboard);
    }

    MemoryDesktop desktop;
    WindowRef commandLine = 0;
};

// The command line's text limit, one off and posted behind the Enter, shows when
// the editor has handled the paste and the Enter; then the limit is put back.
TEST(DeliverAndWait, WaitsUntilTheEditorHasTakenTheCommand) {
    struct Case {
        const char* name;
        const char* command;
        std::size_t limit;
        milliseconds busy;
        DeliveryResult result;
        milliseconds waited;
        std::size_t marker;
        std::size_t limitAfter;
    };
    const Case cases[] = {
        {"taken at once", kCommand, 32767, milliseconds{0}, DeliveryResult::Delivered,
         milliseconds{0}, 32766, 32767},
        // Answered once free, then read again after a poll's pause.
        {"taken once the editor is free", kCommand, 32767, milliseconds{5000},
         DeliveryResult::Delivered, milliseconds{5002}, 32766, 32767},
        {"the lowest limit is marked one higher", "X", 1, milliseconds{0},
         DeliveryResult::Delivered, milliseconds{0}, 2, 1},
        {"still busy when patience runs out", kCommand, 32767, milliseconds{61000},
         DeliveryResult::NotTaken, milliseconds{60000}, 32766, 32767},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditorDesktop editor;
        editor.desktop.SetTextLimit(editor.commandLine, c.limit);
        // A long command of the editor's own starts the moment it has answered.
        editor.desktop.KeepBusyOnceAnswered(editor.commandLine, c.busy);

        EXPECT_EQ(DeliverAndWait(editor.desktop, c.command), c.result);

        EXPECT_EQ(editor.desktop.Now(), c.waited);
        EXPECT_EQ(editor.desktop.Clipboard(), c.command);
        const auto& posted = editor.desktop.PostedMessages();
        ASSERT_EQ(posted.size(), 5u); // Escape, select all, paste, Enter, the marker
        EXPECT_EQ(posted[4].target, editor.commandLine);
        EXPECT_EQ(posted[4].message, messages::kSetLimitText);
        EXPECT_EQ(posted[4].wParam, c.marker);
        EXPECT_EQ(editor.desktop.TextLimit(editor.commandLine), c.limitAfter);
        const bool taken = c.result == DeliveryResult::Delivered;
        EXPECT_EQ(editor.desktop.Executed(editor.commandLine),
                  taken ? std::vector<std::string>{c.command} : std::vector<std::string>{});
    }
}

TEST(DeliverAndWait, SendsNothingWhereTheEditorCannotTakeIt) {
    struct Case {
        const char* name;
        std::function<void(EditorDesktop&)> arrange;
        DeliveryResult result;
        milliseconds waited;
        std::string command = kCommand;
    };
    const Case cases[] = {
        {"no editor", [](EditorDesktop& e) { e.desktop.RemoveOutsideWindows(); },
         DeliveryResult::NoEditor, milliseconds{0}},
        // Too long for any editor: the same answer with none.
        {"a command longer than any command line takes, and no editor",
         [](EditorDesktop& e) { e.desktop.RemoveOutsideWindows(); }, DeliveryResult::TooLong,
         milliseconds{0}, std::string(255, 'x')},
        {"a log window without a command line",
         [](EditorDesktop& e) {
             e.desktop.RemoveOutsideWindows();
             e.desktop.AddTopLevelWindow("Unreal Log Window");
         },
         DeliveryResult::NoEditor, milliseconds{0}},
        {"a log window whose first child is no edit control",
         [](EditorDesktop& e) {
             e.desktop.RemoveOutsideWindows();
             e.desktop.AddChildWindow(e.desktop.AddTopLevelWindow("Unreal Log Window"));
         },
         DeliveryResult::NoEditor, milliseconds{0}},
        {"a command line that does not answer",
         [](EditorDesktop& e) { e.desktop.StopAnswering(e.commandLine); },
         DeliveryResult::NotResponding, milliseconds{60000}},
        {"a clipboard held by another program", [](EditorDesktop& e) { e.desktop.HoldClipboard(); },
         DeliveryResult::ClipboardBusy, kClipboardPatience},
        // The command line would cut the command short, and the editor execute the rest.
        {"a command line that takes one character less",
         [](EditorDesktop& e) {
             e.desktop.SetTextLimit(e.commandLine, std::string(kCommand).size() - 1);
         },
         DeliveryResult::TooLong, milliseconds{0}},
        // The editor's display answers the limit of the whole log, not of its
        // command line, which would cut this one short.
        {"a command longer than the editor's command line takes",
         [](EditorDesktop& e) {
             e.desktop.RemoveOutsideWindows();
             e.desktop.AddEditor(uitest::CommandLineKind::Classic);
         },
         DeliveryResult::TooLong, milliseconds{0}, std::string(255, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditorDesktop editor;
        c.arrange(editor);

        EXPECT_EQ(DeliverAndWait(editor.desktop, c.command), c.result);

        EXPECT_EQ(editor.desktop.Now(), c.waited);
        EXPECT_EQ(editor.desktop.Clipboard(), kEarlierClipboard);
        EXPECT_TRUE(editor.desktop.PostedMessages().empty());
    }
}

} // namespace
} // namespace kestrow
