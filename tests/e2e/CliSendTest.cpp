// kestrow-cli.exe delivering commands to a stand-in for the editor: the real
// program as a child process, its standard streams through files.

#include "CliProcess.h"
#include "Clipboard.h"
#include "ProgramPaths.h"
#include "StandInEditorDriver.h"
#include "StandInEditorProtocol.h"
#include "WindowQueries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kCopiedEarlier = "copied earlier by the user";
constexpr const char* kNoEditor =
    "No window titled \"Unreal Log Window\" with a command line was found, so nothing was sent.\n";

std::optional<CliOutcome> RunKestrowCli(const std::string& arguments,
                                        const std::string& input = {}) {
    return RunConsoleProgram(WinePathOf(KESTROW_CLI_EXE), arguments, input);
}

class CliSendTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SetClipboardText(kCopiedEarlier)); }

    HWND CommandLine() const { return editor.Child(standin::kCommandLineId); }

    StandInEditorDriver editor;
};

// Each line is taken before the next goes on the clipboard: all twenty arrive,
// in order, and are executed by the time the program ends.
TEST_F(CliSendTest, ABurstFromStandardInputKeepsItsOrder) {
    ASSERT_TRUE(editor.Start());
    LRESULT limit = 0;
    ASSERT_TRUE(SendWithin(CommandLine(), EM_GETLIMITTEXT, 0, 0, &limit));
    Lines sent;
    std::string input;
    for (int i = 1; i <= 20; ++i) {
        sent.push_back(std::string("POLY TEXPAN U=").append(std::to_string(i)));
        input.append(sent.back()).append(i % 7 == 0 ? "\r\n\r\n" : "\n");
    }

    const std::optional<CliOutcome> run = RunKestrowCli("send -", input);
    ASSERT_TRUE(run);
    EXPECT_EQ(0u, run->status);
    EXPECT_EQ("", run->out);
    EXPECT_EQ("", run->err);
    EXPECT_EQ(sent, editor.LogLines());
    EXPECT_EQ(ClipboardText(), sent.back());
    LRESULT limitAfter = 0;
    ASSERT_TRUE(SendWithin(CommandLine(), EM_GETLIMITTEXT, 0, 0, &limitAfter));
    EXPECT_EQ(limit, limitAfter);
}

TEST_F(CliSendTest, NoEditorSendsNothing) {
    for (const bool withEditorWindow : {false, true}) {
        if (withEditorWindow) {
            ASSERT_TRUE(editor.Start(false)); // a log window without a command line
        }
        const std::optional<CliOutcome> run = RunKestrowCli("send \"POLY TEXPAN U=4\"");
        ASSERT_TRUE(run);
        EXPECT_EQ(3u, run->status);
        EXPECT_EQ(kNoEditor, run->err);
        EXPECT_EQ(ClipboardText(), kCopiedEarlier);
    }
}

TEST_F(CliSendTest, TextLeftInTheCommandLineIsReplaced) {
    ASSERT_TRUE(editor.Start());
    ASSERT_TRUE(WriteText(CommandLine(), "abc"));
    ASSERT_TRUE(SendWithin(CommandLine(), EM_SETSEL, 3, 3));

    const std::optional<CliOutcome> run = RunKestrowCli("send \"POLY TEXPAN U=4\"");
    ASSERT_TRUE(run);
    EXPECT_EQ(0u, run->status);
    EXPECT_EQ(Lines{"POLY TEXPAN U=4"}, editor.LogLines());
    EXPECT_EQ(ReadText(CommandLine()), "");
}

// Another program holds the clipboard for the whole run: the first line fails,
// so nothing reaches the editor and the clipboard keeps what it held.
TEST_F(CliSendTest, AHeldClipboardStopsAtTheFirstLine) {
    ASSERT_TRUE(editor.Start());
    ASSERT_TRUE(OpenClipboard(nullptr));
    const std::optional<CliOutcome> run = RunKestrowCli("send \"POLY A\" \"POLY B\"");
    CloseClipboard();

    ASSERT_TRUE(run);
    EXPECT_EQ(1u, run->status);
    EXPECT_EQ("Stopped at line 1 (\"POLY A\"), after 0 delivered: The command was not sent to "
              "the editor because another program is holding the clipboard. Please try again.\n",
              run->err);
    ASSERT_TRUE(editor.Drain());
    EXPECT_TRUE(editor.LogLines().empty());
    EXPECT_EQ(ClipboardText(), kCopiedEarlier);
}

// A command longer than the command line takes would be cut short there, and the
// editor would execute the start of it: every line is measured before any is
// sent. One just at the limit arrives whole.
TEST_F(CliSendTest, ALineLongerThanTheCommandLineTakesSendsNothing) {
    ASSERT_TRUE(editor.Start());
    constexpr int kLimit = 300;
    ASSERT_TRUE(SendWithin(CommandLine(), EM_SETLIMITTEXT, kLimit, 0));
    const auto command = [](std::size_t length) {
        std::string text = "POLY TEXPAN U=1 ";
        return text.append(length - text.size(), 'x');
    };

    const std::optional<CliOutcome> tooLong =
        RunKestrowCli("send -", "POLY A\n" + command(kLimit + 1) + "\nPOLY B\n");
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(1u, tooLong->status);
    EXPECT_EQ("Line 2 is 301 characters long, longer than the 300 the editor's command line "
              "takes, so nothing was sent.\n",
              tooLong->err);
    ASSERT_TRUE(editor.Drain());
    EXPECT_TRUE(editor.LogLines().empty());
    EXPECT_EQ(ClipboardText(), kCopiedEarlier);

    const std::optional<CliOutcome> atLimit =
        RunKestrowCli("send -", command(kLimit) + "\nPOLY B\n");
    ASSERT_TRUE(atLimit);
    EXPECT_EQ(0u, atLimit->status);
    EXPECT_EQ("", atLimit->err);
    EXPECT_EQ((Lines{command(kLimit), "POLY B"}), editor.LogLines());
    LRESULT limitAfter = 0;
    ASSERT_TRUE(SendWithin(CommandLine(), EM_GETLIMITTEXT, 0, 0, &limitAfter));
    EXPECT_EQ(kLimit, limitAfter);
}

// --apply prints what the page prints, then the editor executes the chosen command.
TEST_F(CliSendTest, ApplyDeliversThePagesCommand) {
    ASSERT_TRUE(editor.Start());
    const std::optional<CliOutcome> pillar = RunKestrowCli("pillar --apply=best-pan");
    ASSERT_TRUE(pillar);
    EXPECT_EQ(0u, pillar->status);
    EXPECT_EQ("", pillar->err);
    EXPECT_EQ(0u, pillar->out.find("Total Circumference: 212\n")) << pillar->out;

    const std::optional<CliOutcome> bevel = RunKestrowCli("bevel --json --apply");
    ASSERT_TRUE(bevel);
    EXPECT_EQ(0u, bevel->status);
    EXPECT_NE(std::string::npos, bevel->out.find("\"delivered\":true")) << bevel->out;

    EXPECT_EQ((Lines{"POLY TEXPAN U=-16", "POLY TEXSCALE UU=1.000000 VV=1.414214"}),
              editor.LogLines());
}

} // namespace
} // namespace e2e
