// send and --apply, with the editor on an in-memory desktop: what reaches it, in
// which order, and what the run says when a delivery fails.

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliRun.h"
#include "FakeEditor.h"
#include "tests/support/EveryKind.h"

namespace kestrow::testing {
namespace {

using State = FakeEditor::State;
using Lines = std::vector<std::string>;

const std::string kNoEditor =
    "No editor log window with a command line was found (a window of class "
    "\"UnrealEdUnrealWLog\", or one titled \"Unreal Log Window\"), so nothing was sent.\n";
const std::string kClipboardBusy = "The command was not sent to the editor because another "
                                   "program is holding the clipboard. Please try again.";

TEST(SendCommand, DeliversArgumentsInOrderAndSkipsBlankOnes) {
    FakeEditor editor;
    const CliResult r = RunCliCapturing(
        {"send", "POLY TEXPAN U=4", "", " \t", "--not-an-option", "POLY A"}, "", &editor);
    EXPECT_EQ(0, r.status);
    EXPECT_EQ("", r.out);
    EXPECT_EQ("", r.err);
    EXPECT_EQ((Lines{"POLY TEXPAN U=4", "--not-an-option", "POLY A"}), editor.Sent());
}

TEST(SendCommand, ReadsStandardInputWithAnyLineEnds) {
    FakeEditor editor;
    const CliResult r =
        RunCliCapturing({"send", "-"}, "A 1\r\n\r\nB 2\n   \nC 3\rD 4\n\nE 5", &editor);
    EXPECT_EQ(0, r.status);
    EXPECT_EQ("", r.err);
    EXPECT_EQ((Lines{"A 1", "B 2", "C 3", "D 4", "E 5"}), editor.Sent());
}

// The line a failure names is the line of the input, blank lines counted.
TEST(SendCommand, StopsAtTheFirstFailureAndNamesItsLine) {
    struct Case {
        State failure;
        std::string reason;
        Lines sent;
    };
    for (const Case& c : {
             Case{State::ClipboardHeld, kClipboardBusy, {"A 1"}},
             // Posted, but never taken: the editor executes nothing more.
             Case{State::Busy,
                  "The command was sent, but the editor did not take it within 60 seconds.",
                  {"A 1"}},
             Case{State::NotAnswering,
                  "The editor did not answer within 60 seconds, so nothing was sent.",
                  {"A 1"}},
             // The editor went away after the first delivery.
             Case{State::Closed, kNoEditor.substr(0, kNoEditor.size() - 1), {"A 1"}},
         }) {
        FakeEditor editor({State::Ready, c.failure});
        const CliResult r = RunCliCapturing({"send", "-"}, "A 1\n\nB 2\nC 3\n", &editor);
        EXPECT_EQ(1, r.status) << c.reason;
        EXPECT_EQ("Stopped at line 3 (\"B 2\"), after 1 delivered: " + c.reason + "\n", r.err);
        EXPECT_EQ(c.sent, editor.Sent()) << c.reason;
    }
}

TEST(SendCommand, NoEditorBeforeAnythingWasSentIsStatus3) {
    FakeEditor editor({State::Closed});
    const CliResult r = RunCliCapturing({"send", "", "POLY A", "POLY B"}, "", &editor);
    EXPECT_EQ(3, r.status);
    EXPECT_EQ(kNoEditor, r.err);
    EXPECT_TRUE(editor.Sent().empty());
}

TEST(SendCommand, ReportsAsJson) {
    FakeEditor editor({State::Ready, State::ClipboardHeld});
    const CliResult r =
        RunCliCapturing({"send", "--json", "-"}, "POLY \"A\"\nPOLY B\nPOLY C\n", &editor);
    EXPECT_EQ(1, r.status);
    EXPECT_EQ("", r.err);
    EXPECT_EQ("{\"inputs\":{\"source\":\"standard input\"},\"results\":{\"delivered\":1},"
              "\"commands\":[{\"name\":\"line 1\",\"text\":\"POLY \\\"A\\\"\",\"delivered\":true},"
              "{\"name\":\"line 2\",\"text\":\"POLY B\",\"delivered\":false},"
              "{\"name\":\"line 3\",\"text\":\"POLY C\",\"delivered\":false}],"
              "\"messages\":[\"Stopped at line 2 (\\\"POLY B\\\"), after 1 delivered: " +
                  kClipboardBusy + "\"]}\n",
              r.out);
}

// Every command is checked before the first is sent. The editor's command line
// would end a command at a character outside printable ASCII, and the clipboard
// would end it at NUL.
TEST(SendCommand, UsageErrorsSendNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string error;
    };
    const std::string printable =
        ": a command may hold printable ASCII characters only (32 to 126)";
    for (const Case& c : {
             Case{{"send"}, "", "send takes the commands, or - to read them from standard input"},
             Case{{"send", "--json", "--"},
                  "",
                  "send takes the commands, or - to read them from standard input"},
             Case{{"send", "--jsn", "POLY A"}, "", "unknown option '--jsn'"},
             Case{{"send", "POLY A", "POLY B\nPOLY C"},
                  "",
                  "a command holds a line break: give each as its own argument"},
             Case{{"send", "POLY TEXPAN U=1", "POLY\tTEXPAN U=2"},
                  "",
                  "line 2, column 5 holds the control character TAB (0x09)" + printable},
             Case{{"send", "-"},
                  std::string(" \t\nPOLY TEXPAN\0 U=5\n", 20),
                  "line 2, column 12 holds the control character NUL (0x00)" + printable},
             Case{{"send", "POLY A", "POLY \x1b[1mB"},
                  "",
                  "line 2, column 6 holds the control character ESC (0x1B)" + printable},
             Case{{"send", "--", "POLY \x7f"},
                  "",
                  "line 1, column 6 holds the control character DEL (0x7F)" + printable},
             Case{{"send", "-"},
                  "POLY A\nSET Wall Caf\xC3\xA9 1\n",
                  "line 2, column 13 holds the character U+00E9 (0xC3 0xA9)" + printable},
             Case{{"send", "-"},
                  "\xE2\x80\x9CPOLY A\xE2\x80\x9D\n",
                  "line 1, column 1 holds the character U+201C (0xE2 0x80 0x9C)" + printable},
             // Windows-1252 text, or a UTF-8 sequence cut short, is named by its byte.
             Case{{"send", "SET Wall Caf\xE9 1"},
                  "",
                  "line 1, column 13 holds the byte 0xE9" + printable},
             Case{
                 {"send", "-"}, "POLY \xC3(\n", "line 1, column 6 holds the byte 0xC3" + printable},
         }) {
        FakeEditor editor;
        const CliResult r = RunCliCapturing(c.args, c.input, &editor);
        EXPECT_EQ(2, r.status) << c.error;
        EXPECT_EQ(0u, r.err.find("kestrow-cli: " + c.error + "\n\nusage: kestrow-cli send"))
            << r.err;
        EXPECT_TRUE(editor.Sent().empty()) << c.error;
        EXPECT_EQ("", editor.Clipboard()) << c.error;
    }
}

class SendToEveryKind : public ::testing::TestWithParam<uitest::CommandLineKind> {};

// Whatever the mapper left typed in the editor's command line, the editor
// executes exactly each command.
TEST_P(SendToEveryKind, TheEditorExecutesExactlyTheCommandsWhateverWasLeftTyped) {
    FakeEditor editor({}, GetParam());
    editor.TypeInto(editor.CommandLine(), "leftover");
    const CliResult args = RunCliCapturing({"send", "POLY TEXPAN U=9", "POLY A"}, "", &editor);
    EXPECT_EQ(0, args.status);
    editor.TypeInto(editor.CommandLine(), "TEXALIGN");
    const CliResult input = RunCliCapturing({"send", "-"}, "POLY B\nPOLY C\n", &editor);
    EXPECT_EQ(0, input.status);
    EXPECT_EQ((Lines{"POLY TEXPAN U=9", "POLY A", "POLY B", "POLY C"}), editor.Sent());
    EXPECT_EQ("", editor.Typed(editor.CommandLine()));
}

// The editor's command line takes 254 characters after its prompt, or fewer
// where its edit control's own limit is lower: a longer line would be executed
// cut short, so none is sent. More than 254 is refused alike with no editor.
TEST_P(SendToEveryKind, ALineLongerThanTheCommandLineTakesSendsNothing) {
    const auto line = [](std::size_t length) {
        std::string text = "POLY TEXPAN U=1 ";
        return text.append(length - text.size(), 'x');
    };
    struct Case {
        std::size_t textLimit; // 0: as the command line answers
        std::size_t length;
        int status;
        std::string err;
        std::vector<State> editor = {};
        bool first = false; // the long line comes first
    };
    for (const Case& c : {
             Case{0, 254, 0, ""},
             Case{0, 255, 1,
                  "Line 2 is 255 characters long, longer than the 254 the editor's command line "
                  "takes, so nothing was sent.\n"},
             Case{0,
                  255,
                  1,
                  "Line 1 is 255 characters long, longer than the 254 the editor's command line "
                  "takes, so nothing was sent.\n",
                  {State::Closed},
                  true},
             Case{100, 100, 0, ""},
             Case{100, 101, 1,
                  "Line 2 is 101 characters long, longer than the 100 the editor's command line "
                  "takes, so nothing was sent.\n"},
         }) {
        FakeEditor editor(c.editor, GetParam());
        if (c.textLimit != 0)
            editor.SetTextLimit(editor.Edit(), c.textLimit);
        const CliResult r = RunCliCapturing(
            {"send", "-"},
            c.first ? line(c.length) + "\nPOLY A\n" : "POLY A\n" + line(c.length) + "\n", &editor);
        EXPECT_EQ(c.status, r.status) << c.length;
        EXPECT_EQ(c.err, r.err);
        EXPECT_EQ(c.status == 0 ? (Lines{"POLY A", line(c.length)}) : Lines{}, editor.Sent());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SendToEveryKind, uitest::EveryKind(), uitest::KindParamName());

// A build without a window system says so before it prints or reads anything.
TEST(SendCommand, WithoutAnEditorToReachSaysItNeedsTheWindowsBuild) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"send", "POLY A"},
                                                 {"send", "-"},
                                                 {"pillar", "--apply"},
                                                 {"bevel", "--apply", "--json"},
                                                 {"skew", "--apply"}}) {
        const CliResult r = RunCliCapturing(args, "POLY A\n");
        EXPECT_EQ(2, r.status) << JoinArgs(args);
        EXPECT_EQ("", r.out) << JoinArgs(args);
        EXPECT_EQ("kestrow-cli: sending commands to the editor needs the Windows build of "
                  "kestrow-cli (kestrow-cli.exe; on Linux run it under Wine, in the editor's "
                  "prefix)\n",
                  r.err)
            << JoinArgs(args);
    }
}

struct ApplyCase {
    std::vector<std::string> args;
    std::string sent;
};

void PrintTo(const ApplyCase& c, std::ostream* os) {
    *os << JoinArgs(c.args);
}

class ApplyOption : public ::testing::TestWithParam<ApplyCase> {};

// The page prints as it would without --apply, then the editor executes exactly
// its command, whatever was left typed in any kind of command line.
TEST_P(ApplyOption, PrintsThenDeliversThePagesCommand) {
    const ApplyCase& c = GetParam();
    std::vector<std::string> plain;
    for (const std::string& arg : c.args) {
        if (!arg.starts_with("--apply"))
            plain.push_back(arg);
    }
    for (const auto kind : uitest::kEveryKind) {
        FakeEditor editor({}, kind);
        editor.TypeInto(editor.CommandLine(), "abc");
        const CliResult r = RunCliCapturing(c.args, "", &editor);
        EXPECT_EQ(0, r.status);
        EXPECT_EQ(RunCliCapturing(plain).out, r.out);
        EXPECT_EQ("", r.err);
        EXPECT_EQ(Lines{c.sent}, editor.Sent()) << uitest::KindName(kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ApplyOption,
    ::testing::Values(ApplyCase{{"pillar", "--apply"}, "POLY TEXSCALE UU=0.603553 VV=1.000000"},
                      ApplyCase{{"pillar", "--apply=best-scale"},
                                "POLY TEXSCALE UU=0.603553 VV=1.000000"},
                      ApplyCase{{"pillar", "--apply=simple-pan"}, "POLY TEXPAN U=-27"},
                      ApplyCase{{"pillar", "--apply=best-pan", "--axis", "V"}, "POLY TEXPAN V=-16"},
                      ApplyCase{{"bevel", "--rise", "3*16", "--width", "64", "--apply"},
                                "POLY TEXSCALE UU=1.000000 VV=0.800000"},
                      ApplyCase{{"floor", "--apply"}, "POLY TEXSCALE UU=0.500000 VV=0.500000"},
                      ApplyCase{{"skew", "--apply", "--horizontal"},
                                "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000"}));

TEST(ApplyOption, ARejectedOrPartlyReadFieldSendsNothing) {
    for (const CliCase& c :
         {CliCase{{"bevel", "--rise", "0", "--apply"},
                  1,
                  "",
                  "Please enter an integer expression from 1 to 65535\n"},
          CliCase{{"bevel", "--rise", "2+", "--apply"},
                  1,
                  "Scale: 0.500244081049441\nPOLY TEXSCALE UU=1.000000 VV=1.999024\n",
                  "No value recognized\n--rise was read only in part: the results are for the part "
                  "read, and nothing is sent.\n"}}) {
        FakeEditor editor;
        const CliResult r = RunCliCapturing(c.args, "", &editor);
        EXPECT_EQ(c.status, r.status);
        EXPECT_EQ(c.out, r.out);
        EXPECT_EQ(c.err, r.err);
        EXPECT_TRUE(editor.Sent().empty());
    }
}

TEST(ApplyOption, FailedDeliveriesAfterTheOutput) {
    struct Case {
        State state;
        int status;
        std::string err;
    };
    for (const Case& c : {Case{State::Closed, 3, kNoEditor},
                          Case{State::ClipboardHeld, 1, kClipboardBusy + "\n"}}) {
        FakeEditor editor({c.state});
        const CliResult r = RunCliCapturing({"floor", "--apply"}, "", &editor);
        EXPECT_EQ(c.status, r.status);
        EXPECT_EQ("POLY TEXSCALE UU=0.500000 VV=0.500000\n", r.out);
        EXPECT_EQ(c.err, r.err);
    }
}

TEST(ApplyOption, JsonSaysWhichCommandWasDelivered) {
    FakeEditor editor;
    const CliResult r = RunCliCapturing({"pillar", "--json", "--apply=best-pan"}, "", &editor);
    EXPECT_EQ(0, r.status);
    EXPECT_NE(std::string::npos,
              r.out.find("\"commands\":[{\"name\":\"Simple Pan\",\"text\":\"POLY TEXPAN "
                         "U=-27\",\"delivered\":false},{\"name\":\"Best Scale\",\"text\":\"POLY "
                         "TEXSCALE UU=0.603553 VV=1.000000\",\"delivered\":false},{\"name\":"
                         "\"Best Pan\",\"text\":\"POLY TEXPAN U=-16\",\"delivered\":true}]"))
        << r.out;

    FakeEditor absent({State::Closed});
    const CliResult missing = RunCliCapturing({"floor", "--json", "--apply"}, "", &absent);
    EXPECT_EQ(3, missing.status);
    EXPECT_EQ("", missing.err);
    EXPECT_NE(std::string::npos,
              missing.out.find("\"delivered\":false}],\"messages\":[\"No editor log window "
                               "with a command line was found (a window of class "
                               "\\\"UnrealEdUnrealWLog\\\", or one titled \\\"Unreal Log "
                               "Window\\\"), so nothing was sent.\"]}\n"))
        << missing.out;
}

TEST(ApplyOption, UsageErrors) {
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    for (const Case& c : {
             Case{{"pillar", "--apply=all"}, "--apply takes simple-pan, best-scale or best-pan"},
             Case{{"pillar", "--apply="}, "--apply takes simple-pan, best-scale or best-pan"},
             Case{{"bevel", "--apply=yes"}, "option '--apply' takes no value"},
             Case{{"pillar", "--candidates", "4", "--apply"},
                  "--candidates goes without --textures and --apply"},
         }) {
        FakeEditor editor;
        const CliResult r = RunCliCapturing(c.args, "", &editor);
        EXPECT_EQ(2, r.status) << c.error;
        EXPECT_EQ(0u, r.err.find("kestrow-cli: " + c.error + "\n")) << r.err;
        EXPECT_TRUE(editor.Sent().empty()) << c.error;
    }
}

} // namespace
} // namespace kestrow::testing
