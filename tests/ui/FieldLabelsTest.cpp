// Each edit field is named by the label a sighted user reads for it, and each
// access key takes the focus to the field its label names, on the page shown,
// the main window's own controls beside it.

#include "UiTest.h"

#include "pages/FloorScalePage.h"
#include "pages/PillarWrapPage.h"
#include "pages/TextureSkewPage.h"

#include <algorithm>

namespace {

constexpr int kMain = -1;

struct FieldCase {
    int page; // the tab, or kMain
    int id;
    const char* name;
    char key; // 0 for a field without one
};

const FieldCase kFields[] = {
    {kMain, IDC_MAIN_COMMAND, "CMD: ( None )", 0},
    {0, IDC_PW_TEXWIDTH, "Texture Width", 'W'},
    {0, IDC_PW_SIDES, "Number of Sides", 'S'},
    {0, IDC_PW_RADIUS, "Radius", 'D'},
    {0, IDC_PW_TEXCOUNT, "Number of textures", 'X'},
    {0, IDC_PW_OTHER_SCALE, "Other Scale", 'O'},
    {0, IDC_PW_FRACTIONAL_ERROR, "Total Fractional Error", 'T'},
    {0, IDC_PW_CIRCUMFERENCE, "Total Circumference", 0},
    {0, IDC_PW_SIMPLE_PAN, "Simple pan value is", 0},
    {0, IDC_PW_BEST_SCALE, "Best scale", 0},
    {0, IDC_PW_BEST_PAN, "Best pan value", 0},
    {1, IDC_BS_TEXWIDTH, "Texture Width", 'W'},
    {1, IDC_BS_RISE, "Rise", 'I'},
    {1, IDC_BS_RUN, "Run", 'U'},
    {1, IDC_BS_TEXCOUNT, "Number of textures", 'X'},
    {1, IDC_BS_OTHER_SCALE, "Other Scale", 'O'},
    {1, IDC_BS_SCALE, "Scale", 0},
    {2, IDC_FS_TEXWIDTH, "Texture Width", 'W'},
    {2, IDC_FS_TEXHEIGHT, "Texture Height", 'H'},
    {2, IDC_FS_STRETCH_X, "Stretch X", 'S'},
    {2, IDC_FS_LENGTH_X, "Length X", 'X'},
    {2, IDC_FS_STRETCH_Y, "Stretch Y", 'N'},
    {2, IDC_FS_LENGTH_Y, "Length Y", 'Y'},
    {3, IDC_TS_HORZ_RISE, "Horizontal rise", 'I'},
    {3, IDC_TS_HORZ_RUN, "Horizontal run", 'U'},
    {3, IDC_TS_HORZ_SCALE, "Horizontal Scale", 'H'},
    {3, IDC_TS_VERT_RISE, "Vertical rise", 'S'},
    {3, IDC_TS_VERT_RUN, "Vertical run", 'N'},
    {3, IDC_TS_VERT_SCALE, "Vertical Scale", 'V'},
};

using FieldLabelsTest = UiTest;

TEST_F(FieldLabelsTest, EveryFieldIsNamedAndReachedByItsAccessKey) {
    RunMainWindow([&](CMainDlg& dlg) {
        CDialog* const pages[] = {dlg.PillarWrapPage(), dlg.BevelScalePage(), dlg.FloorScalePage(),
                                  dlg.TextureSkewPage()};
        // The horizontal group's fields take the focus only while it is on.
        driver.SelectTab(dlg, IDC_MAIN_TABS, 3);
        driver.Click(*dlg.TextureSkewPage(), IDC_TS_HORZ_SKEW);
        for (const FieldCase& field : kFields) {
            SCOPED_TRACE(field.name);
            CDialog& window = field.page == kMain ? dlg : *pages[field.page];
            EXPECT_EQ(driver.AccessibleName(window, field.id), field.name);
            if (field.key == 0)
                continue;
            driver.SelectTab(dlg, IDC_MAIN_TABS, field.page);
            driver.PressAccessKey(field.key);
            EXPECT_EQ(driver.FocusDialog(), &window);
            EXPECT_EQ(driver.FocusId(), field.id);
        }
        // Apply and Remote... keep theirs to themselves.
        for (int button : {IDC_MAIN_APPLY, IDC_MAIN_REMOTE}) {
            const char key = ui::AccessKeyOf(driver.Text(dlg, button));
            EXPECT_NE(key, 0);
            EXPECT_TRUE(std::none_of(std::begin(kFields), std::end(kFields),
                                     [&](const FieldCase& field) { return field.key == key; }));
        }
    });
}

} // namespace
