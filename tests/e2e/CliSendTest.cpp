// kestrow-cli.exe delivering commands to a stand-in for the editor, with every
// kind of command line: the real program as a child process, its standard
// streams through files.

#include "CliProcess.h"
#include "Clipboard.h"
#include "ProgramPaths.h"
#include "StandInEditorDriver.h"
#include "WindowQueries.h"
#include "tests/support/EveryKind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kCopiedEarlier = "copied earlier by the user";
constexpr const char* kNoEditor =
    "No editor log window with a command line was found (a window of class "
    "\"UnrealEdUnrealWLog\", or one titled \"Unreal Log Window\"), so nothing was sent.\n";

std::optional<CliOutcome> RunKestrowCli(const std::string& arguments,
                                        const std::string& input = {}) {
    return RunConsoleProgram(WinePathOf(KESTROW_CLI_EXE), arguments, input);
}

// A command of the given length.
std::string CommandOf(std::size_t length) {
    std::string text = "POLY TEXPAN U=1 ";
    return text.append(length - text.size(), 'x');
}

class CliSendTest : public ::testing::TestWithParam<uitest::CommandLineKind> {
protected:
    void SetUp() override {
        ASSERT_TRUE(SetClipboardText(kCopiedEarlier));
        ASSERT_TRUE(editor.Start(GetParam()));
    }

    StandInEditorDriver editor;
};

// Each line is taken before the next goes on the clipboard: all twenty arrive,
// in order, exactly as sent whatever was left typed, and are executed by the time
// the program ends. The command line's text limit is as it was.
TEST_P(CliSendTest, ABurstFromStandardInputKeepsItsOrder) {
    LRESULT limit = 0;
    ASSERT_TRUE(SendWithin(editor.CommandEdit(), EM_GETLIMITTEXT, 0, 0, &limit));
    ASSERT_TRUE(editor.TypeInCommandLine("leftover"));
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
    EXPECT_EQ(editor.Typed(), "");
    EXPECT_EQ(ClipboardText(), sent.back());
    LRESULT limitAfter = 0;
    ASSERT_TRUE(SendWithin(editor.CommandEdit(), EM_GETLIMITTEXT, 0, 0, &limitAfter));
    EXPECT_EQ(limit, limitAfter);
}

TEST_P(CliSendTest, ArgumentsAfterTextLeftTypedArriveExactly) {
    ASSERT_TRUE(editor.TypeInCommandLine("leftover"));
    const std::optional<CliOutcome> run = RunKestrowCli("send \"POLY TEXPAN U=9\" \"POLY A\"");
    ASSERT_TRUE(run);
    EXPECT_EQ(0u, run->status);
    EXPECT_EQ((Lines{"POLY TEXPAN U=9", "POLY A"}), editor.LogLines());
    EXPECT_EQ(editor.Typed(), "");
}

// Another program holds the clipboard for the whole run: the first line fails,
// so nothing reaches the editor and the clipboard keeps what it held.
TEST_P(CliSendTest, AHeldClipboardStopsAtTheFirstLine) {
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

// The editor's command line keeps 254 characters after its prompt and would
// execute a longer command cut short: every line is measured before any is
// sent. One of 254 arrives whole.
TEST_P(CliSendTest, ALineLongerThanTheCommandLineTakesSendsNothing) {
    const std::optional<CliOutcome> tooLong =
        RunKestrowCli("send -", "POLY A\n" + CommandOf(255) + "\nPOLY B\n");
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(1u, tooLong->status);
    EXPECT_EQ("Line 2 is 255 characters long, longer than the 254 the editor's command line "
              "takes, so nothing was sent.\n",
              tooLong->err);
    ASSERT_TRUE(editor.Drain());
    EXPECT_TRUE(editor.LogLines().empty());
    EXPECT_EQ(ClipboardText(), kCopiedEarlier);

    const std::optional<CliOutcome> whole = RunKestrowCli("send -", CommandOf(254) + "\nPOLY B\n");
    ASSERT_TRUE(whole);
    EXPECT_EQ(0u, whole->status);
    EXPECT_EQ("", whole->err);
    EXPECT_EQ((Lines{CommandOf(254), "POLY B"}), editor.LogLines());
}

// The editor's command line would end a command at a tab or at a character
// beyond ASCII and execute the rest: a usage error, and nothing is sent.
TEST_P(CliSendTest, ACharacterOutsidePrintableAsciiSendsNothing) {
    struct Case {
        std::string arguments;
        std::string input;
        std::string error;
    };
    for (const Case& c : {
             Case{"send \"POLY TEXPAN U=1\" \"POLY\tTEXPAN U=2\"", "",
                  "line 2, column 5 holds the control character TAB (0x09)"},
             Case{"send -", "POLY A\nSET Wall Caf\xC3\xA9 1\n",
                  "line 2, column 13 holds the character U+00E9 (0xC3 0xA9)"},
         }) {
        const std::optional<CliOutcome> run = RunKestrowCli(c.arguments, c.input);
        ASSERT_TRUE(run);
        EXPECT_EQ(2u, run->status);
        EXPECT_EQ(0u, run->err.find("kestrow-cli: " + c.error)) << run->err;
    }
    ASSERT_TRUE(editor.Drain());
    EXPECT_TRUE(editor.LogLines().empty());
    EXPECT_EQ(ClipboardText(), kCopiedEarlier);
}

// --apply prints what the page prints, then the editor executes exactly the
// chosen command, whatever was left typed.
TEST_P(CliSendTest, EachPagesApplyDeliversItsCommand) {
    ASSERT_TRUE(editor.TypeInCommandLine("abc"));
    const std::optional<CliOutcome> pillar = RunKestrowCli("pillar --apply=best-pan");
    ASSERT_TRUE(pillar);
    EXPECT_EQ(0u, pillar->status);
    EXPECT_EQ("", pillar->err);
    EXPECT_EQ(0u, pillar->out.find("Total Circumference: 212\n")) << pillar->out;

    const std::optional<CliOutcome> bevel = RunKestrowCli("bevel --json --apply");
    ASSERT_TRUE(bevel);
    EXPECT_EQ(0u, bevel->status);
    EXPECT_NE(std::string::npos, bevel->out.find("\"delivered\":true")) << bevel->out;

    for (const char* page : {"floor --apply", "skew --apply --horizontal"}) {
        const std::optional<CliOutcome> run = RunKestrowCli(page);
        ASSERT_TRUE(run);
        EXPECT_EQ(0u, run->status) << page;
    }

    EXPECT_EQ((Lines{"POLY TEXPAN U=-16", "POLY TEXSCALE UU=1.000000 VV=1.414214",
                     "POLY TEXSCALE UU=0.500000 VV=0.500000",
                     "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000"}),
              editor.LogLines());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CliSendTest, uitest::EveryKind(), uitest::KindParamName());

TEST(CliSendWithoutEditorTest, NoEditorSendsNothing) {
    ASSERT_TRUE(SetClipboardText(kCopiedEarlier));
    StandInEditorDriver editor;
    for (const bool withLogWindow : {false, true}) {
        if (withLogWindow) {
            ASSERT_TRUE(editor.StartWithoutCommandLine());
        }
        const std::optional<CliOutcome> run = RunKestrowCli("send \"POLY TEXPAN U=4\"");
        ASSERT_TRUE(run);
        EXPECT_EQ(3u, run->status);
        EXPECT_EQ(kNoEditor, run->err);
        EXPECT_EQ(ClipboardText(), kCopiedEarlier);
    }
}

} // namespace
} // namespace e2e
