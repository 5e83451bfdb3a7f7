// The compiled resources against the product's dialog layouts: every control's
// id, kind, text, rectangle and the styles that change behaviour, in template
// (= tab) order.

#include "res/Version.h"
#include "tests/support/CompiledResources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogTemplate;

// The platform's values, written out here so that a wrong one in the reader shows.
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_CAPTION = 0x00C00000;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr std::uint32_t DS_MODALFRAME = 0x80;
constexpr std::uint32_t DS_SETFONT = 0x40;
constexpr std::uint32_t DS_CONTROL = 0x400;
constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x1;
constexpr std::uint32_t WS_EX_APPWINDOW = 0x40000;
constexpr std::uint32_t ES_AUTOHSCROLL = 0x80;
constexpr std::uint32_t BS_LEFTTEXT = 0x20;
constexpr std::uint32_t SS_TYPEMASK = 0x1F;
constexpr std::uint32_t SS_RIGHT = 0x2;
constexpr std::uint32_t SS_ETCHEDHORZ = 0x10;
constexpr std::uint32_t SS_NOPREFIX = 0x80;
constexpr std::uint32_t TCS_FIXEDWIDTH = 0x400;

enum Flag : unsigned {
    kTab = 1u << 0,      // WS_TABSTOP
    kGroup = 1u << 1,    // WS_GROUP
    kHidden = 1u << 2,   // NOT WS_VISIBLE
    kDisabled = 1u << 3, // WS_DISABLED
    kReadOnly = 1u << 4, // ES_READONLY
    kExpr = 1u << 5,     // expression field: WS_EX_DLGMODALFRAME
    kLeftText = 1u << 6, // BS_LEFTTEXT
    kRight = 1u << 7,    // SS_RIGHT
    kNoPrefix = 1u << 8, // SS_NOPREFIX: "&" shows as itself
    kLine = 1u << 9,     // SS_ETCHEDHORZ: a divider
};

constexpr int kStatic = -1;
constexpr ControlKind E = ControlKind::Edit;
constexpr ControlKind P = ControlKind::PushButton;
constexpr ControlKind D = ControlKind::DefPushButton;
constexpr ControlKind C = ControlKind::CheckBox;
constexpr ControlKind R = ControlKind::RadioButton;
constexpr ControlKind G = ControlKind::GroupBox;
constexpr ControlKind S = ControlKind::Static;
constexpr ControlKind I = ControlKind::Icon;
constexpr ControlKind T = ControlKind::Tab;

struct Expected {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, cx, cy;
    unsigned flags = 0;
    int image = 0; // icon resource of an SS_ICON static
};

const std::vector<Expected> kMainWindow = {
    {1000, E, "", 25, 275, 180, 14, kTab | kReadOnly},
    {1001, P, "Apply", 220, 275, 50, 14, kTab | kDisabled},
    {1002, P, "Remote...", 220, 295, 50, 14, kTab | kDisabled},
    {1004, T, "", 5, 5, 280, 255},
    {1007, P, "Help...", 25, 295, 50, 14, kTab | kHidden},
    {1045, S, "Static", 25, 265, 180, 8, kGroup},
};

const std::vector<Expected> kPillarWrap = {
    {1008, E, "", 85, 15, 45, 14, kTab},
    {1009, E, "", 85, 35, 45, 14, kTab},
    {1011, E, "", 200, 15, 50, 15, kTab | kExpr},
    {1010, C, "Align to Side", 155, 40, 54, 8, kTab | kLeftText},
    {1005, E, "", 15, 110, 25, 14, kTab},
    {1017, R, "U Panning / Scale", 40, 195, 75, 10, kGroup | kTab},
    {1018, R, "V Panning / Scale", 40, 210, 74, 10},
    {1021, C, "Negate Pan Value", 145, 195, 79, 10, kLeftText | kGroup | kTab},
    {1031, E, "", 190, 210, 35, 14, kTab},
    {1013, P, "Cmd:", 130, 83, 30, 11, kTab},
    {1014, P, "Cmd:", 210, 113, 30, 11, kTab},
    {1016, P, "Cmd:", 210, 133, 30, 11, kTab},
    {kStatic, S, "Texture Width", 15, 20, 46, 8},
    {kStatic, S, "Number of Sides", 15, 40, 54, 8},
    {kStatic, S, "Radius", 155, 20, 23, 8},
    {kStatic, S, "", 15, 72, 240, 1, kLine},
    {kStatic, S, "Total Circumference", 15, 60, 66, 8},
    {1012, E, "", 85, 55, 45, 14, kReadOnly},
    {kStatic, S, "Simple pan value is", 15, 85, 64, 8},
    {1004, E, "", 85, 80, 40, 14, kReadOnly},
    {1006, E, "", 165, 110, 40, 14, kReadOnly},
    {1015, E, "", 165, 130, 40, 14, kReadOnly},
    {1027, E, "", 165, 150, 40, 14, kReadOnly},
    {kStatic, S, "texture(s) will fit best using a scale of", 42, 115, 123, 8},
    {kStatic, S, "and a pan value of", 100, 135, 63, 8},
    {kStatic, S, "with a &Total &Fractional &Error of", 63, 155, 100, 8},
    {kStatic, G, " Apply Panning/Scale To ", 15, 175, 240, 55},
    {kStatic, S, "Other Scale", 145, 215, 40, 8},
    {1, D, "OK (hidden)", 205, 80, 50, 14, kHidden},
};

const std::vector<Expected> kBevelScale = {
    {1008, E, "", 85, 15, 45, 14, kTab},
    {1019, E, "", 85, 35, 45, 14, kTab | kExpr},
    {1020, E, "", 85, 55, 45, 14, kTab | kExpr},
    {1011, E, "", 30, 95, 30, 14, kTab},
    {1017, R, "U Scale", 40, 195, 41, 10, kGroup | kTab},
    {1018, R, "V Scale", 40, 210, 41, 10},
    {1031, E, "", 190, 190, 35, 14, kGroup | kTab},
    {1024, P, "Cmd:", 105, 130, 50, 15, kTab},
    {kStatic, G, " Apply Scaling To ", 15, 175, 240, 55},
    {kStatic, S, "Other Scale", 140, 195, 40, 8},
    {1022, E, "", 205, 95, 35, 14, kReadOnly},
    {kStatic, S, "Run", 45, 60, 14, 8},
    {kStatic, S, "Rise", 45, 40, 15, 8},
    {kStatic, S, "texture(s) will fit the bevel using a scale of", 65, 100, 140, 8},
    {kStatic, S, "Texture Width", 15, 20, 46, 8},
    {kStatic, S, "", 15, 72, 240, 1, kLine},
    {1, D, "OK (hidden)", 205, 15, 50, 14, kHidden},
};

const std::vector<Expected> kFloorScale = {
    {1008, E, "", 85, 15, 45, 14, kTab},
    {1009, E, "", 85, 35, 45, 14, kTab},
    {1013, E, "", 60, 85, 30, 14, kTab},
    {1014, E, "", 170, 85, 70, 14, kTab | kExpr},
    {1015, E, "", 60, 105, 30, 14, kTab},
    {1016, E, "", 170, 105, 70, 14, kTab | kExpr},
    {1018, P, "Swap", 145, 25, 30, 14, kTab},
    {1019, P, "Swap", 60, 130, 30, 14, kTab},
    {1020, P, "Swap", 190, 130, 30, 14, kTab},
    {1026, P, "Cmd:", 115, 165, 45, 15, kTab},
    {kStatic, S, "Texture Width", 15, 20, 46, 8},
    {kStatic, S, "", 15, 62, 240, 1, kLine},
    {kStatic, S, "Texture Height", 15, 40, 48, 8},
    {kStatic, S, "Stretch", 30, 90, 24, 8},
    {kStatic, S, "textures across an X of", 93, 90, 77, 8},
    {kStatic, S, "and", 40, 110, 13, 8},
    {kStatic, S, "textures across an Y of", 93, 110, 77, 8},
    {1, D, "OK (hidden)", 195, 14, 50, 14, kHidden},
};

const std::vector<Expected> kTextureSkew = {
    {1032, E, "", 100, 125, 45, 14, kTab | kExpr},
    {1033, E, "", 100, 145, 44, 14, kTab | kExpr},
    {1031, E, "", 210, 126, 35, 14, kTab},
    {1026, C, "Negate", 180, 151, 39, 10, kLeftText | kGroup | kTab},
    {1028, E, "", 101, 40, 44, 14, kTab | kExpr | kDisabled},
    {1029, E, "", 101, 60, 44, 14, kTab | kExpr | kDisabled},
    {1027, E, "", 210, 40, 35, 14, kTab | kDisabled},
    {1035, C, "Negate", 180, 65, 39, 10, kLeftText | kGroup | kTab | kDisabled},
    {1030, C, "Horizontal Skewing", 10, 15, 77, 10, kTab},
    {1034, C, "Vertical Skewing", 10, 100, 69, 10, kTab},
    {1036, P, "Cmd:", 110, 195, 50, 15, kTab},
    {1, D, "OK (hidden)", 210, 10, 50, 14, kHidden},
    {kStatic, S, "Run", 75, 65, 14, 8},
    {kStatic, S, "Rise", 75, 45, 15, 8},
    {kStatic, S, "Horizontal Scale", 150, 45, 55, 8, kRight},
    {kStatic, G, "", 10, 25, 250, 60},
    {kStatic, S, "Run", 75, 150, 14, 8},
    {kStatic, S, "Rise", 75, 130, 15, 8},
    {kStatic, S, "Vertical Scale", 160, 130, 45, 8, kRight},
    {kStatic, G, "", 10, 110, 250, 60},
    {kStatic, I, "", 30, 50, 20, 20, 0, 131},
    {kStatic, I, "", 30, 135, 20, 20, 0, 132},
};

const std::vector<Expected> kAboutBox = {
    {kStatic, I, "", 10, 10, 20, 20, 0, 128},
    {kStatic, S, "Kestrow Version " KESTROW_VERSION, 40, 10, 150, 8, kNoPrefix},
    {1, D, "OK", 210, 10, 50, 14, kGroup | kTab},
    {1005, P, "Credits...", 210, 40, 50, 14, kTab},
    {1006, P, "Rev History...", 210, 60, 50, 14, kTab},
};

const std::vector<Expected> kRemote = {
    {1050, D, "Apply", 10, 10, 85, 20, kTab},
    {2, P, "Recall Calculator", 15, 40, 75, 14, kTab},
};

const ui::Resources& Compiled() {
    static const ui::Resources resources = ui::LoadResFile(KESTROW_RES_PATH);
    return resources;
}

const ui::DialogTemplates& Templates() {
    return Compiled().dialogs;
}

void ExpectControl(const ControlTemplate& c, const Expected& e) {
    EXPECT_EQ(c.id, e.id);
    EXPECT_EQ(ui::KindOf(c), e.kind) << c.className;
    EXPECT_EQ(c.text, e.text);
    EXPECT_EQ(std::tie(c.x, c.y, c.cx, c.cy), std::tie(e.x, e.y, e.cx, e.cy));
    EXPECT_EQ(ui::IsTabStop(c), (e.flags & kTab) != 0) << "tab stop";
    EXPECT_EQ(ui::StartsGroup(c), (e.flags & kGroup) != 0) << "group start";
    EXPECT_EQ(ui::IsVisible(c), (e.flags & kHidden) == 0) << "visible";
    EXPECT_EQ(ui::IsEnabled(c), (e.flags & kDisabled) == 0) << "enabled";
    EXPECT_EQ(ui::IsReadOnly(c), (e.flags & kReadOnly) != 0) << "read-only";
    EXPECT_TRUE(c.Has(WS_CHILD));
    if (e.kind == ControlKind::CheckBox) {
        EXPECT_EQ(c.Has(BS_LEFTTEXT), (e.flags & kLeftText) != 0) << "text left of the box";
    }
    if (e.kind == ControlKind::Static) {
        EXPECT_EQ((c.style & SS_TYPEMASK) == SS_RIGHT, (e.flags & kRight) != 0) << "right-aligned";
        EXPECT_EQ(c.Has(SS_NOPREFIX), (e.flags & kNoPrefix) != 0) << "no prefix";
        EXPECT_EQ((c.style & SS_TYPEMASK) == SS_ETCHEDHORZ, (e.flags & kLine) != 0) << "line";
    }
    // The raised frame tells the user which fields take expressions: no other
    // control may carry it, nor any other extended style.
    EXPECT_EQ(c.exStyle, (e.flags & kExpr) != 0 ? WS_EX_DLGMODALFRAME : 0u);
    if (e.kind == ControlKind::Edit) {
        EXPECT_TRUE(c.Has(WS_BORDER | ES_AUTOHSCROLL)) << "bordered, scrolling";
    }
    if (e.image != 0) {
        EXPECT_EQ(c.imageId, e.image);
    } else {
        EXPECT_FALSE(c.imageId.has_value());
    }
}

struct ControlTable {
    int dialogId;
    const std::vector<Expected>* controls;
};

TEST(DialogTemplates, ControlsMatchTheLayoutsInTabOrder) {
    const ControlTable tables[] = {
        {102, &kMainWindow},  {129, &kPillarWrap}, {130, &kBevelScale}, {131, &kFloorScale},
        {132, &kTextureSkew}, {100, &kAboutBox},   {134, &kRemote},
    };
    for (const ControlTable& table : tables) {
        SCOPED_TRACE("dialog " + std::to_string(table.dialogId));
        const DialogTemplate& dialog = Templates().at(table.dialogId);
        ASSERT_EQ(dialog.controls.size(), table.controls->size());
        for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
            SCOPED_TRACE("control #" + std::to_string(i) + " \"" + (*table.controls)[i].text +
                         "\"");
            ExpectControl(dialog.controls[i], (*table.controls)[i]);
        }
    }
}

struct ExpectedDialog {
    int id;
    bool extended;
    int x, y, cx, cy;
    const char* caption;
    std::uint32_t style;
    std::uint32_t exStyle;
};

TEST(DialogTemplates, HeadersMatchTheWindows) {
    constexpr std::uint32_t kPage = DS_SETFONT | DS_CONTROL | WS_CHILD;
    const ExpectedDialog dialogs[] = {
        {102, true, 0, 0, 292, 322, "Kestrow V" KESTROW_VERSION,
         DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
             WS_MINIMIZEBOX,
         WS_EX_APPWINDOW},
        // Only the first page shows at start; no page has a caption or border.
        {129, false, 10, 20, 272, 236, "", kPage | WS_VISIBLE, 0},
        {130, false, 10, 20, 272, 236, "", kPage, 0},
        {131, false, 10, 20, 272, 236, "", kPage, 0},
        {132, false, 10, 20, 272, 236, "", kPage, 0},
        {100, false, 0, 0, 272, 86, "About Kestrow",
         DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0},
        // No system menu, hence no close button: only "Recall Calculator" ends it.
        {134, false, 0, 0, 102, 66, "Kestrow Remote", DS_SETFONT | WS_POPUP | WS_CAPTION, 0},
    };
    std::set<int> expectedIds;
    for (const ExpectedDialog& e : dialogs) {
        SCOPED_TRACE("dialog " + std::to_string(e.id));
        expectedIds.insert(e.id);
        const DialogTemplate& d = Templates().at(e.id);
        EXPECT_EQ(d.id, e.id);
        EXPECT_EQ(d.extended, e.extended);
        EXPECT_EQ(std::tie(d.x, d.y, d.cx, d.cy), std::tie(e.x, e.y, e.cx, e.cy));
        EXPECT_EQ(d.caption, e.caption);
        EXPECT_EQ(d.fontFace, "MS Sans Serif");
        EXPECT_EQ(d.fontSize, 8);
        EXPECT_EQ(d.style, e.style);
        EXPECT_EQ(d.exStyle, e.exStyle);
    }
    std::set<int> actualIds;
    for (const auto& [id, dialog] : Templates()) {
        actualIds.insert(id);
    }
    EXPECT_EQ(actualIds, expectedIds);
}

TEST(DialogTemplates, TabControlHasFixedWidthTabs) {
    const ControlTemplate* tabs = Templates().at(102).Find(1004);
    ASSERT_NE(tabs, nullptr);
    EXPECT_TRUE(tabs->Has(TCS_FIXEDWIDTH));
    EXPECT_EQ(ui::KindOf(*tabs), ControlKind::Tab) << tabs->className;
}

TEST(DialogTemplates, SystemMenuEntryText) {
    const ui::StringTable expected{{101, "&About Kestrow..."}};
    EXPECT_EQ(Compiled().strings, expected);
}

// The window icons and the pictures the templates name are all compiled in:
// the application's in two sizes, each skew drawing in one.
TEST(DialogTemplates, EveryIconIsCompiledIn) {
    const std::vector<std::pair<int, std::vector<int>>> expected = {
        {128, {32, 16}}, {131, {32}}, {132, {32}}};
    ASSERT_EQ(Compiled().icons.size(), expected.size());
    for (const auto& [id, sizes] : expected) {
        SCOPED_TRACE(id);
        const std::vector<ui::IconImageEntry>& images = Compiled().icons.at(id);
        ASSERT_EQ(images.size(), sizes.size());
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            EXPECT_EQ(images[i].width, sizes[i]);
            EXPECT_EQ(images[i].height, sizes[i]);
        }
    }
    for (const auto& [dialogId, dialog] : Templates()) {
        for (const ControlTemplate& control : dialog.controls) {
            if (control.imageId) {
                EXPECT_TRUE(Compiled().icons.contains(*control.imageId)) << *control.imageId;
            }
        }
    }
}

} // namespace
