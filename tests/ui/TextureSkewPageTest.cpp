#include "UiTest.h"

#include "pages/TextureSkewPage.h"
#include "res/resource.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* kLabel = "CMD: Texture Skew";

constexpr int kTabSkew = 3;
constexpr const char* kRangeMessage = "Please enter an integer expression from 1 to 65535";
constexpr const char* kScaleMessage = "Please enter a number between 0.03125 and 256.";
constexpr int kHorzControls[] = {IDC_TS_HORZ_NEGATE, IDC_TS_HORZ_RISE, IDC_TS_HORZ_RUN,
                                 IDC_TS_HORZ_SCALE};
constexpr int kVertControls[] = {IDC_TS_VERT_NEGATE, IDC_TS_VERT_RISE, IDC_TS_VERT_RUN,
                                 IDC_TS_VERT_SCALE};

struct SkewInputs {
    bool horz = false, vert = true;
    bool horzNegate = false, vertNegate = false;
    std::string horzScale = "1", horzRise = "256", horzRun = "0";
    std::string vertScale = "1", vertRise = "256", vertRun = "512";
};

class TextureSkewPageTest : public UiTest {
protected:
    CTextureSkewPage& Show(CMainDlg& dlg) {
        driver.SelectTab(dlg, IDC_MAIN_TABS, kTabSkew);
        return *dlg.TextureSkewPage();
    }
    void SetChecked(CDialog& page, int id, bool checked) {
        if (driver.IsChecked(page, id) != checked)
            driver.Click(page, id);
    }
    // Fills every field the user can reach.
    void Type(CTextureSkewPage& page, const SkewInputs& in) {
        driver.Type(page, IDC_TS_HORZ_SCALE, in.horzScale);
        driver.Type(page, IDC_TS_HORZ_RISE, in.horzRise);
        driver.Type(page, IDC_TS_HORZ_RUN, in.horzRun);
        driver.Type(page, IDC_TS_VERT_SCALE, in.vertScale);
        driver.Type(page, IDC_TS_VERT_RISE, in.vertRise);
        driver.Type(page, IDC_TS_VERT_RUN, in.vertRun);
    }
    // Back to the starting state, so that one window serves a whole table: the
    // toggles need good fields, and the vertical group goes on before the
    // horizontal one goes off, as unchecking the only group on hands over.
    void Reset(CTextureSkewPage& page) {
        Type(page, SkewInputs{});
        SetChecked(page, IDC_TS_VERT_SKEW, true);
        SetChecked(page, IDC_TS_HORZ_SKEW, false);
    }
    // From the starting state (vertical group only): switch the horizontal group
    // on if wanted, fill the fields, then switch the vertical group off if wanted.
    void Enter(CTextureSkewPage& page, const SkewInputs& in) {
        if (in.horz)
            driver.Click(page, IDC_TS_HORZ_SKEW);
        Type(page, in);
        SetChecked(page, IDC_TS_HORZ_NEGATE, in.horzNegate);
        SetChecked(page, IDC_TS_VERT_NEGATE, in.vertNegate);
        if (!in.vert)
            driver.Click(page, IDC_TS_VERT_SKEW);
    }
    // A group's four controls are enabled exactly while its box is checked.
    void ExpectGroups(const CTextureSkewPage& page, bool horz, bool vert) {
        EXPECT_EQ(driver.IsChecked(page, IDC_TS_HORZ_SKEW), horz);
        EXPECT_EQ(driver.IsChecked(page, IDC_TS_VERT_SKEW), vert);
        ExpectEnabled(page, kHorzControls, horz);
        ExpectEnabled(page, kVertControls, vert);
    }
    void ExpectEnabled(const CTextureSkewPage& page, const int (&ids)[4], bool enabled) {
        for (int id : ids)
            EXPECT_EQ(driver.IsEnabled(page, id), enabled) << "control " << id;
    }
};

TEST_F(TextureSkewPageTest, StartsWithOnlyTheVerticalGroupOn) {
    RunMainWindow([&](CMainDlg& dlg) {
        const CTextureSkewPage& page = *dlg.TextureSkewPage();
        ExpectGroups(page, false, true);
        EXPECT_FALSE(driver.IsChecked(page, IDC_TS_HORZ_NEGATE));
        EXPECT_FALSE(driver.IsChecked(page, IDC_TS_VERT_NEGATE));
        EXPECT_EQ(driver.Text(page, IDC_TS_HORZ_SCALE), "1");
        EXPECT_EQ(driver.Text(page, IDC_TS_HORZ_RISE), "256");
        EXPECT_EQ(driver.Text(page, IDC_TS_HORZ_RUN), "0");
        EXPECT_EQ(driver.Text(page, IDC_TS_VERT_SCALE), "1");
        EXPECT_EQ(driver.Text(page, IDC_TS_VERT_RISE), "256");
        EXPECT_EQ(driver.Text(page, IDC_TS_VERT_RUN), "512");
    });
}

// The groups that are on choose the form; a checked Negate box keeps the skew
// term positive and a clear one negates it, so a zero run prints as -0.
TEST_F(TextureSkewPageTest, GroupsChooseTheFormOfTheCommand) {
    struct Case {
        SkewInputs in;
        std::string command;
    };
    SkewInputs both;
    both.horz = true;
    SkewInputs horzOnly = both;
    horzOnly.vert = false;
    const SkewInputs example = {true, true, true, true, "2", "64", "32", "0.5", "128", "256"};
    SkewInputs exampleHorzOnly = example;
    exampleHorzOnly.vert = false;
    exampleHorzOnly.horzNegate = exampleHorzOnly.vertNegate = false;
    SkewInputs exampleVertOnly = example;
    exampleVertOnly.horz = false;
    const std::vector<Case> cases = {
        {{}, "POLY TEXSCALE VV=1.000000 VU=-0.500000"},
        {both, "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000"},
        {horzOnly, "POLY TEXSCALE UU=1.000000 UV=-0.000000"},
        {example, "POLY TEXSCALE UU=0.5000 VV=2.0000 UV=0.2500 VU=1.0000"},
        {exampleHorzOnly, "POLY TEXSCALE UU=0.500000 UV=-0.250000"},
        {exampleVertOnly, "POLY TEXSCALE VV=2.000000 VU=1.000000"},
        // The smallest scale is accepted.
        {{false, true, false, false, "1", "256", "0", "0.03125", "256", "512"},
         "POLY TEXSCALE VV=32.000000 VU=-16.000000"},
        {{true, false, true, false, "0.03125", "256", "128", "1", "256", "512"},
         "POLY TEXSCALE UU=32.000000 UV=16.000000"},
        // The dividends may be 0; rise and run are expressions.
        {{false, true, false, true, "1", "256", "0", "1", "0", "512"},
         "POLY TEXSCALE VV=1.000000 VU=0.000000"},
        {{true, true, false, false, "1", "2*32", "@256", "1", "100/4", "65535"},
         "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.2500 VU=-0.0004"},
    };
    RunMainWindow([&](CMainDlg& dlg) {
        CTextureSkewPage& page = Show(dlg);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.command);
            Reset(page);
            Enter(page, c.in);
            driver.Click(page, IDC_TS_CMD);
            ExpectGroups(page, c.in.horz, c.in.vert);
            ExpectPending(dlg, c.command, kLabel);
        }
        EXPECT_TRUE(driver.MessageBoxes().empty());
    });
}

TEST_F(TextureSkewPageTest, TogglesEnableTheirGroupAndHandOverTheLastOne) {
    RunMainWindow([&](CMainDlg& dlg) {
        CTextureSkewPage& page = Show(dlg);
        driver.Click(page, IDC_TS_HORZ_SKEW);
        ExpectGroups(page, true, true);
        driver.Click(page, IDC_TS_HORZ_SKEW);
        ExpectGroups(page, false, true);

        // Unchecking the only group that is on turns the other one on.
        driver.Click(page, IDC_TS_VERT_SKEW);
        ExpectGroups(page, true, false);
        driver.Click(page, IDC_TS_CMD);
        ExpectPending(dlg, "POLY TEXSCALE UU=1.000000 UV=-0.000000", kLabel);

        driver.Click(page, IDC_TS_HORZ_SKEW);
        ExpectGroups(page, false, true);
        driver.Click(page, IDC_TS_CMD);
        ExpectPending(dlg, "POLY TEXSCALE VV=1.000000 VU=-0.500000", kLabel);

        driver.Click(page, IDC_TS_HORZ_SKEW);
        driver.Click(page, IDC_TS_VERT_SKEW);
        ExpectGroups(page, true, false);
        driver.Click(page, IDC_TS_VERT_SKEW);
        ExpectGroups(page, true, true);
        EXPECT_TRUE(driver.MessageBoxes().empty());
    });
}

// The controls change state in a fixed order: Negate, rise, run, scale; a
// hand-over finishes the unchecked group before it turns the other one on.
TEST_F(TextureSkewPageTest, TogglesEnableInOrder) {
    using Log = std::vector<std::pair<int, bool>>;
    auto enableLog = [&] {
        Log log;
        for (const auto& record : driver.EnableLog())
            log.emplace_back(record.id, record.enabled);
        driver.StartEnableLog();
        return log;
    };
    RunMainWindow([&](CMainDlg& dlg) {
        CTextureSkewPage& page = Show(dlg);
        driver.StartEnableLog();
        driver.Click(page, IDC_TS_HORZ_SKEW);
        EXPECT_EQ(enableLog(), (Log{{IDC_TS_HORZ_NEGATE, true},
                                    {IDC_TS_HORZ_RISE, true},
                                    {IDC_TS_HORZ_RUN, true},
                                    {IDC_TS_HORZ_SCALE, true}}));
        driver.Click(page, IDC_TS_HORZ_SKEW);
        EXPECT_EQ(enableLog(), (Log{{IDC_TS_HORZ_NEGATE, false},
                                    {IDC_TS_HORZ_RISE, false},
                                    {IDC_TS_HORZ_RUN, false},
                                    {IDC_TS_HORZ_SCALE, false}}));
        driver.Click(page, IDC_TS_VERT_SKEW);
        EXPECT_EQ(enableLog(), (Log{{IDC_TS_VERT_NEGATE, false},
                                    {IDC_TS_VERT_RISE, false},
                                    {IDC_TS_VERT_RUN, false},
                                    {IDC_TS_VERT_SCALE, false},
                                    {IDC_TS_HORZ_NEGATE, true},
                                    {IDC_TS_HORZ_RISE, true},
                                    {IDC_TS_HORZ_RUN, true},
                                    {IDC_TS_HORZ_SCALE, true}}));
    });
}

// A scale that fails validation stops the toggle before anything is enabled or
// disabled: the box shows its new state, the controls keep their old one.
TEST_F(TextureSkewPageTest, AFailedReadStopsTheToggleBeforeAnyEnabling) {
    RunMainWindow([&](CMainDlg& dlg) {
        CTextureSkewPage& page = Show(dlg);
        driver.Type(page, IDC_TS_VERT_SCALE, "0.03");
        driver.Click(page, IDC_TS_HORZ_SKEW);
        EXPECT_TRUE(driver.IsChecked(page, IDC_TS_HORZ_SKEW));
        ExpectEnabled(page, kHorzControls, false);
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::string>{kScaleMessage}));
        EXPECT_EQ(driver.FocusId(), IDC_TS_VERT_SCALE);
    });
    RunMainWindow([&](CMainDlg& dlg) {
        CTextureSkewPage& page = Show(dlg);
        driver.Click(page, IDC_TS_HORZ_SKEW);
        driver.Type(page, IDC_TS_HORZ_SCALE, "300");
        driver.Click(page, IDC_TS_VERT_SKEW);
        EXPECT_FALSE(driver.IsChecked(page, IDC_TS_VERT_SKEW));
        ExpectEnabled(page, kVertControls, true);
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::string>{kScaleMessage}));
        EXPECT_EQ(driver.FocusId(), IDC_TS_HORZ_SCALE);
    });
}

// Scales first (horizontal before vertical), then all four expressions in the
// order horizontal rise, horizontal run, vertical rise, vertical run. Only the
// two divisors need at least 1.
TEST_F(TextureSkewPageTest, CmdChecksStopAtTheFirstFailingField) {
    struct Case {
        SkewInputs in;
        std::vector<std::string> messages;
        int focus;
    };
    const std::vector<Case> cases = {
        {{true, true, false, false, "0.03", "0", "-1", "0.03", "-1", "0"},
         {kScaleMessage},
         IDC_TS_HORZ_SCALE},
        {{true, true, false, false, "256.5", "0", "-1", "0.03", "-1", "0"},
         {kScaleMessage},
         IDC_TS_HORZ_SCALE},
        {{true, true, false, false, "1", "0", "-1", "0.03", "-1", "0"},
         {kScaleMessage},
         IDC_TS_VERT_SCALE},
        {{true, true, false, false, "1", "0", "-1", "flat", "-1", "0"},
         {"Please enter a number."},
         IDC_TS_VERT_SCALE},
        {{true, true, false, false, "1", "0", "-1", "1", "-1", "0"},
         {kRangeMessage},
         IDC_TS_HORZ_RISE},
        {{true, true, false, false, "1", "0.5", "-1", "1", "-1", "0"},
         {kRangeMessage},
         IDC_TS_HORZ_RISE},
        {{true, true, false, false, "1", "abc", "-1", "1", "-1", "0"},
         {"No value recognized", "Error in expression.", kRangeMessage},
         IDC_TS_HORZ_RISE},
        {{true, true, false, false, "1", "1", "-1", "1", "-1", "0"},
         {kRangeMessage},
         IDC_TS_HORZ_RUN},
        {{true, true, false, false, "1", "1", "65536", "1", "-1", "0"},
         {kRangeMessage},
         IDC_TS_HORZ_RUN},
        {{true, true, false, false, "1", "1", "0", "1", "-1", "0"},
         {kRangeMessage},
         IDC_TS_VERT_RISE},
        {{true, true, false, false, "1", "1", "0", "1", "0", "0"},
         {kRangeMessage},
         IDC_TS_VERT_RUN},
        {{true, true, false, false, "1", "1", "0", "1", "0", "65535.5"},
         {kRangeMessage},
         IDC_TS_VERT_RUN},
    };
    RunMainWindow([&](CMainDlg& dlg) {
        CTextureSkewPage& page = Show(dlg);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.messages.back() + " focus " + std::to_string(c.focus));
            Reset(page);
            driver.Click(page, IDC_TS_CMD);
            ExpectPending(dlg, "POLY TEXSCALE VV=1.000000 VU=-0.500000", kLabel);

            Enter(page, c.in);
            driver.ClearMessageBoxes();
            driver.Click(page, IDC_TS_CMD);
            EXPECT_EQ(driver.MessageTexts(), c.messages);
            EXPECT_EQ(driver.FocusDialog(), &page);
            EXPECT_EQ(driver.FocusId(), c.focus);
            ExpectNothingPending(dlg);
        }
    });
}

// The evaluator's errors count as 0, which the run of the horizontal group and
// the rise of the vertical group accept after its messages.
TEST_F(TextureSkewPageTest, RejectedDividendsCountAsZero) {
    RunMainWindow([&](CMainDlg& dlg) {
        CTextureSkewPage& page = Show(dlg);
        Enter(page, {true, true, false, false, "1", "256", "abc", "1", "(5", "512"});
        driver.ClearMessageBoxes();
        driver.Click(page, IDC_TS_CMD);
        EXPECT_EQ(driver.MessageTexts(),
                  (std::vector<std::string>{"No value recognized", "Error in expression.",
                                            "Mismatched brackets."}));
        ExpectPending(dlg, "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.0000", kLabel);
    });
}

// A bad horizontal rise is still tested with the group off: the toggle that
// turns the group off reports it, and so does every Cmd until it is corrected.
// The field is disabled by then and cannot take the focus, which stays on the box.
TEST_F(TextureSkewPageTest, AFieldOfAGroupThatIsOffIsStillTested) {
    RunMainWindow([&](CMainDlg& dlg) {
        CTextureSkewPage& page = Show(dlg);
        driver.Click(page, IDC_TS_HORZ_SKEW);
        driver.Click(page, IDC_TS_CMD);
        ExpectPending(dlg, "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000", kLabel);
        driver.Type(page, IDC_TS_HORZ_RISE, "0");
        driver.Click(page, IDC_TS_HORZ_SKEW);
        ExpectGroups(page, false, true);
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::string>{kRangeMessage}));
        EXPECT_EQ(driver.FocusId(), IDC_TS_HORZ_SKEW);

        for (int attempt = 0; attempt < 2; ++attempt) {
            driver.ClearMessageBoxes();
            driver.Click(page, IDC_TS_CMD);
            EXPECT_EQ(driver.MessageTexts(), (std::vector<std::string>{kRangeMessage}));
            ExpectNothingPending(dlg);
        }

        driver.Click(page, IDC_TS_HORZ_SKEW);
        ExpectGroups(page, true, true);
        driver.Type(page, IDC_TS_HORZ_RISE, "64");
        driver.ClearMessageBoxes();
        driver.Click(page, IDC_TS_CMD);
        EXPECT_TRUE(driver.MessageBoxes().empty());
        ExpectPending(dlg, "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000", kLabel);
    });
}

// A toggle that read both boxes clear and then stopped on a bad scale leaves no
// group on: Cmd then does nothing at all, as the page stands.
TEST_F(TextureSkewPageTest, CmdWithNoGroupOnDoesNothing) {
    RunMainWindow([&](CMainDlg& dlg) {
        CTextureSkewPage& page = Show(dlg);
        driver.Click(page, IDC_TS_CMD);
        driver.Type(page, IDC_TS_VERT_SCALE, "0.03");
        driver.Click(page, IDC_TS_VERT_SKEW);
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::string>{kScaleMessage}));
        EXPECT_FALSE(driver.IsChecked(page, IDC_TS_HORZ_SKEW));
        EXPECT_FALSE(driver.IsChecked(page, IDC_TS_VERT_SKEW));

        driver.ClearMessageBoxes();
        driver.Click(page, IDC_TS_CMD);
        EXPECT_TRUE(driver.MessageBoxes().empty());
        ExpectPending(dlg, "POLY TEXSCALE VV=1.000000 VU=-0.500000", kLabel);
    });
}

// The stopped toggles left one flag on while both boxes read clear: once the
// scale is corrected, Cmd reads a page with no group on. Nothing may be offered
// then, neither the earlier command nor an empty one.
TEST_F(TextureSkewPageTest, CmdThatReadsNoGroupOnClearsThePendingCommand) {
    RunMainWindow([&](CMainDlg& dlg) {
        CTextureSkewPage& page = Show(dlg);
        driver.Click(page, IDC_TS_HORZ_SKEW);
        driver.Click(page, IDC_TS_CMD);
        ExpectPending(dlg, "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000", kLabel);

        driver.Type(page, IDC_TS_HORZ_SCALE, "0.03");
        driver.Click(page, IDC_TS_VERT_SKEW);
        driver.Click(page, IDC_TS_HORZ_SKEW);
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::string>{kScaleMessage, kScaleMessage}));
        EXPECT_FALSE(driver.IsChecked(page, IDC_TS_HORZ_SKEW));
        EXPECT_FALSE(driver.IsChecked(page, IDC_TS_VERT_SKEW));
        ExpectPending(dlg, "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000", kLabel);

        driver.Type(page, IDC_TS_HORZ_SCALE, "2");
        driver.ClearMessageBoxes();
        driver.Click(page, IDC_TS_CMD);
        EXPECT_TRUE(driver.MessageBoxes().empty());
        ExpectNothingPending(dlg);

        // Turning a group on again brings the page back to a publishable state.
        driver.Click(page, IDC_TS_VERT_SKEW);
        EXPECT_TRUE(driver.IsChecked(page, IDC_TS_VERT_SKEW));
        driver.Click(page, IDC_TS_CMD);
        ExpectPending(dlg, "POLY TEXSCALE VV=1.000000 VU=-0.500000", kLabel);
    });
}

} // namespace
