// Cases that need the in-memory host's simulation, which real windows cannot give
// in one process: a clipboard let go of after a given time, with time passing only
// while the logic pauses, and paints counted.
#include "../UiTest.h"
#include "tests/support/MemoryHost.h"

#include "pages/BevelScalePage.h"
#include "pages/FloorScalePage.h"
#include "res/resource.h"

#include <chrono>
#include <string>
#include <vector>

namespace {

using std::chrono::milliseconds;

constexpr const char* kBevelDefaults = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr unsigned kScMinimize = 0xF020;

class SimulationOnlyTest : public UiTest {
protected:
    ui::MemoryHost& Memory() { return static_cast<ui::MemoryHost&>(driver); }
};

TEST_F(SimulationOnlyTest, AClipboardHeldElsewhereIsWaitedForBriefly) {
    struct Case {
        const char* name;
        milliseconds held;
        bool delivered;
    };
    const Case cases[] = {
        {"let go of at once", milliseconds{0}, true},
        {"let go of in time", milliseconds{200}, true},
        {"let go of too late", milliseconds{300}, false},
    };
    const kestrow::WindowRef commandLine = driver.AddEditor(uitest::CommandLineKind::Classic);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunMainWindow([&](CMainDlg& dlg) {
            PublishBevelDefaults(dlg);
            driver.SetClipboard("copied earlier by the user");
            const std::size_t executedBefore = driver.Executed(commandLine).size();
            const milliseconds pausedBefore = Memory().Desktop().Now();
            Memory().Desktop().HoldClipboard(c.held);

            driver.Click(dlg, IDC_MAIN_APPLY);

            EXPECT_LE(Memory().Desktop().Now() - pausedBefore, milliseconds{250});
            EXPECT_EQ(driver.Clipboard(),
                      c.delivered ? kBevelDefaults : "copied earlier by the user");
            EXPECT_EQ(driver.Executed(commandLine).size(), executedBefore + (c.delivered ? 1 : 0));
            EXPECT_EQ(driver.MessageBoxes().size(), c.delivered ? 0u : 1u);
            driver.LetGoOfClipboard();
        });
    }
}

TEST_F(SimulationOnlyTest, ApplyDoesNotPauseWhenTheClipboardIsFree) {
    const kestrow::WindowRef commandLine = driver.AddEditor(uitest::CommandLineKind::PlainEdit);
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        driver.Click(dlg, IDC_MAIN_APPLY);
        driver.Click(dlg, IDC_MAIN_APPLY);
        EXPECT_EQ(driver.Executed(commandLine), std::vector<std::string>(2, kBevelDefaults));
        EXPECT_EQ(Memory().Desktop().Now(), milliseconds{0});
    });
}

// The editor reads the clipboard only when it handles the paste, so Apply waits
// until it has taken the last command; past Apply's patience nothing is sent,
// and the next Apply, once the editor is free, is.
TEST_F(SimulationOnlyTest, ApplyWaitsForTheEditorToTakeTheLastCommand) {
    struct Case {
        const char* name;
        milliseconds busy;
        std::vector<std::string> executed;
        std::size_t busyBoxes;
    };
    const char* const kBevelRise48 = "POLY TEXSCALE UU=1.000000 VV=1.600000";
    const char* const kFloorDefaults = "POLY TEXSCALE UU=0.500000 VV=0.500000";
    const Case cases[] = {
        {"busy for a second", milliseconds{1000}, {kBevelDefaults, kBevelRise48, kFloorDefaults}, 0},
        {"busy past Apply's patience", milliseconds{6000}, {kBevelDefaults, kFloorDefaults}, 1},
    };
    for (const Case& c : cases) {
        for (const uitest::CommandLineKind kind : uitest::kEveryKind) {
            SCOPED_TRACE(std::string(c.name) + ", " + uitest::KindName(kind));
            driver.RemoveOutsideWindows();
            const kestrow::WindowRef commandLine = driver.AddEditor(kind);
            RunMainWindow([&](CMainDlg& dlg) {
                PublishBevelDefaults(dlg);
                Memory().Desktop().KeepBusyOnceAnswered(commandLine, c.busy);
                driver.Click(dlg, IDC_MAIN_APPLY);
                driver.Type(*dlg.BevelScalePage(), IDC_BS_RISE, "48");
                driver.Click(*dlg.BevelScalePage(), IDC_BS_CMD);
                driver.Click(dlg, IDC_MAIN_APPLY);
                driver.SelectTab(dlg, IDC_MAIN_TABS, 2);
                driver.Click(*dlg.FloorScalePage(), IDC_FS_CMD);
                driver.Click(dlg, IDC_MAIN_APPLY);

                EXPECT_EQ(driver.Executed(commandLine), c.executed);
                EXPECT_EQ(driver.MessageTexts(),
                          std::vector<std::string>(
                              c.busyBoxes, "The editor is still busy with the last command, so "
                                           "nothing was sent. Please try again once it is done."));
                driver.ClearMessageBoxes();
            });
        }
    }
}

TEST_F(SimulationOnlyTest, MinimisedWindowPaintsItsIcon) {
    RunMainWindow([&](CMainDlg& dlg) {
        Memory().Paint(dlg);
        EXPECT_EQ(Memory().PaintedIcons(dlg), 0);
        driver.SystemCommand(dlg, kScMinimize);
        Memory().Paint(dlg);
        EXPECT_EQ(Memory().PaintedIcons(dlg), 1);
    });
}

} // namespace
