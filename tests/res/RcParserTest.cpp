#include "ui/RcTemplates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::RcError;

constexpr const char* kHeader = "#define IDD_TEST 200\n"
                                "#define IDC_NAME 1000\n"
                                "#define IDI_PICTURE 300\n"
                                "#define IDC_STATIC (-1)\n";

// A one-control dialog 200 around the given CONTROL arguments.
std::string DialogWith(const std::string& controlArgs) {
    return "IDD_TEST DIALOG 0, 0, 100, 50\nSTYLE WS_POPUP\nBEGIN\n    CONTROL " + controlArgs +
           "\nEND\n";
}

ControlTemplate OnlyControl(const std::string& controlArgs) {
    const auto dialogs = ui::ParseDialogTemplates(DialogWith(controlArgs), kHeader);
    const auto& controls = dialogs.at(200).controls;
    if (controls.size() != 1) {
        throw std::runtime_error("expected one control");
    }
    return controls.front();
}

TEST(RcParser, ReadsEveryFieldOfAControl) {
    const ControlTemplate c = OnlyControl(
        R"("Say ""hi""", IDC_NAME, "Button", BS_PUSHBUTTON | WS_TABSTOP, 1, 2, 3, 4, WS_EX_DLGMODALFRAME)");
    EXPECT_EQ(c.text, "Say \"hi\"");
    EXPECT_EQ(c.id, 1000);
    EXPECT_EQ(c.className, "Button");
    EXPECT_EQ(c.styles,
              (std::vector<std::string>{"WS_CHILD", "WS_VISIBLE", "BS_PUSHBUTTON", "WS_TABSTOP"}));
    EXPECT_TRUE(c.notStyles.empty());
    EXPECT_EQ(c.exStyles, std::vector<std::string>{"WS_EX_DLGMODALFRAME"});
    EXPECT_EQ(c.x, 1);
    EXPECT_EQ(c.y, 2);
    EXPECT_EQ(c.cx, 3);
    EXPECT_EQ(c.cy, 4);
    EXPECT_FALSE(c.imageId.has_value());
}

TEST(RcParser, IconControlNamesItsResourceInsteadOfText) {
    const ControlTemplate c =
        OnlyControl("IDI_PICTURE, IDC_STATIC, \"Static\", SS_ICON, 1, 2, 20, 20");
    EXPECT_EQ(c.imageId, 300);
    EXPECT_EQ(c.text, "");
    EXPECT_EQ(c.id, -1);
    EXPECT_EQ(ui::KindOf(c), ControlKind::Icon);
}

// Terms apply left to right over the implied WS_CHILD | WS_VISIBLE, as windres does.
TEST(RcParser, StyleTermsApplyInOrderOverTheImpliedOnes) {
    struct Case {
        const char* styles;
        bool visible;
        bool tabStop;
        bool disabled;
    };
    const Case cases[] = {
        {"BS_PUSHBUTTON", true, false, false},
        {"BS_PUSHBUTTON | NOT WS_VISIBLE", false, false, false},
        {"NOT WS_VISIBLE | BS_PUSHBUTTON | WS_VISIBLE", true, false, false},
        {"WS_TABSTOP | NOT WS_TABSTOP", true, false, false},
        {"NOT WS_TABSTOP | WS_TABSTOP", true, true, false},
        {"(WS_TABSTOP | WS_DISABLED) | 0", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.styles);
        const ControlTemplate control =
            OnlyControl(std::string("\"x\", 5, \"Button\", ") + c.styles + ", 1, 1, 1, 1");
        EXPECT_EQ(ui::IsVisible(control), c.visible);
        EXPECT_EQ(ui::IsTabStop(control), c.tabStop);
        EXPECT_EQ(ui::IsEnabled(control), !c.disabled);
        EXPECT_TRUE(control.Has("WS_CHILD"));
    }
}

TEST(RcParser, DialogHeaderWithImpliedStyles) {
    const std::string rc = "1 DIALOG 1, 2, 30, 40\nCAPTION \"Plain\"\nBEGIN\nEND\n"
                           "2 DIALOGEX 0, 0, 10, 10\nCAPTION \"Set \"\"late\"\"\"\n"
                           "STYLE WS_POPUP | NOT WS_VISIBLE\nEXSTYLE 0 | WS_EX_APPWINDOW\n"
                           "FONT 8, \"MS Sans Serif\", 0, 0, 0x1\nBEGIN\nEND\n";
    const auto dialogs = ui::ParseDialogTemplates(rc, "");
    const ui::DialogTemplate& plain = dialogs.at(1);
    EXPECT_FALSE(plain.extended);
    EXPECT_EQ(plain.x, 1);
    EXPECT_EQ(plain.y, 2);
    EXPECT_EQ(plain.cx, 30);
    EXPECT_EQ(plain.cy, 40);
    EXPECT_EQ(plain.styles,
              (std::vector<std::string>{"WS_POPUP", "WS_BORDER", "WS_SYSMENU", "WS_CAPTION"}));
    EXPECT_FALSE(plain.Has("DS_SETFONT"));

    const ui::DialogTemplate& ex = dialogs.at(2);
    EXPECT_TRUE(ex.extended);
    EXPECT_EQ(ex.caption, "Set \"late\"");
    EXPECT_EQ(ex.styles, (std::vector<std::string>{"WS_POPUP", "WS_CAPTION", "DS_SETFONT"}));
    EXPECT_EQ(ex.notStyles, std::vector<std::string>{"WS_VISIBLE"});
    EXPECT_EQ(ex.exStyles, std::vector<std::string>{"WS_EX_APPWINDOW"});
    EXPECT_TRUE(ex.Has("WS_EX_APPWINDOW"));
    EXPECT_EQ(ex.fontFace, "MS Sans Serif");
    EXPECT_EQ(ex.fontSize, 8);
}

TEST(RcParser, SkipsResourcesItDoesNotRead) {
    const std::string rc = R"(// comment
#include <windows.h>
#define IDD_LOCAL 7
/* block
   comment */
LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US
1 24 "app.manifest"
IDI_PICTURE ICON DISCARDABLE "picture.ico"
VS_VERSION_INFO VERSIONINFO
FILEVERSION 2, 0, 0, 0
FILEFLAGSMASK 0x3fL
BEGIN
    BLOCK "StringFileInfo"
    BEGIN
        BLOCK "040904B0"
        BEGIN
            VALUE "ProductName", "END"
        END
    END
END
5 RCDATA { 1, 2, 3 }
IDD_LOCAL DIALOG 0, 0, 10, 10
STYLE WS_CHILD
BEGIN
    CONTROL "ok", IDOK, "Button", BS_DEFPUSHBUTTON, 1, 1, 1, 1
END
)";
    const auto dialogs = ui::ParseDialogTemplates(rc, kHeader);
    ASSERT_EQ(dialogs.size(), 1u);
    ASSERT_EQ(dialogs.at(7).controls.size(), 1u);
    EXPECT_EQ(dialogs.at(7).controls[0].id, 1);
}

TEST(RcParser, WindowsLineEndingsAndContinuedDirectives) {
    const std::string rc = "#if defined(A) \\\r\n    || defined(B)\r\n#endif\r\n"
                           "IDD_TEST DIALOG 0, 0, 1, 1\r\nCAPTION \"c\"\r\nBEGIN\r\nEND\r\n";
    EXPECT_EQ(ui::ParseDialogTemplates(rc, kHeader).at(200).caption, "c");
}

TEST(RcParser, DefinesResolveIntegerValuesOnly) {
    const auto symbols = ui::ParseDefines("#pragma once\n"
                                          "#ifndef IDC_STATIC\n"
                                          "#define IDC_STATIC (-1)\n"
                                          "#endif\n"
                                          "  #  define HEX 0x0010 // system command\n"
                                          "#define SUM HEX + 2\n"
                                          "#define LONGER 24L\n"
                                          "#define MACRO(x) ((x) + 1)\n"
                                          "#define TEXT \"text\"\n"
                                          "#define GUARD\n"
                                          "#define OUTSIDE SOMETHING_UNKNOWN\n");
    const ui::Symbols expected{{"IDC_STATIC", -1}, {"HEX", 16}, {"SUM", 18}, {"LONGER", 24}};
    EXPECT_EQ(symbols, expected);
}

TEST(RcParser, StringTableEntriesWithAndWithoutComma) {
    const std::string rc = "STRINGTABLE DISCARDABLE\nBEGIN\n"
                           "    IDC_NAME, \"&About \"\"it\"\"...\"\n"
                           "    1001 \"Tab\\there\"\nEND\n";
    const ui::StringTable expected{{1000, "&About \"it\"..."}, {1001, "Tab\there"}};
    EXPECT_EQ(ui::ParseStringTable(rc, kHeader), expected);
}

TEST(RcParser, MalformedScriptsAreReportedWithTheirLine) {
    struct Case {
        const char* rc;
        const char* message;
    };
    const Case cases[] = {
        {"IDD_TEST DIALOG 0, 0, 1, 1\nBEGIN\n  CONTROL \"a\", IDC_MISSING, \"Button\", 0, 1, 1, "
         "1, 1\nEND\n",
         "line 3: unknown name IDC_MISSING"},
        {"IDD_TEST DIALOG 0, 0, 1, 1\nBEGIN\n  LTEXT \"a\", -1, 1, 1, 1, 1\nEND\n",
         "line 3: expected a CONTROL statement, found 'LTEXT'"},
        {"IDD_TEST DIALOG 0, 0, 1, 1\nCAPTION \"open\nBEGIN\nEND\n", "line 2: unterminated string"},
        {"IDD_TEST DIALOG 0, 0, 1, 1\nBEGIN\n  CONTROL \"a\", 1, \"Button\", 0, 1, 1, 1, 1\n",
         "line 4: dialog 200 lacks its END"},
        {"IDD_TEST DIALOG 0, 0, 1, 1\nBEGIN\nEND\n200 DIALOG 0, 0, 1, 1\nBEGIN\nEND\n",
         "line 4: dialog 200 defined twice"},
        {"IDD_TEST DIALOG 0, 0, 1\nBEGIN\nEND\n", "line 2: expected ','"},
        {"NAMED DIALOG 0, 0, 1, 1\nBEGIN\nEND\n", "line 1: resource name NAMED is not a known id"},
        {"IDD_TEST DIALOG 0, 0, 1, 1\nMENUITEM 5\nBEGIN\nEND\n",
         "line 2: unknown dialog statement MENUITEM"},
        {"STRINGTABLE\nBEGIN\n  1, \"a\"\n  1, \"b\"\nEND\n", "line 4: string 1 defined twice"},
        {"VS_VERSION_INFO VERSIONINFO\nFILEVERSION 1, 0, 0, 0\nBEGIN\n  BLOCK \"x\"\n",
         "line 5: missing END"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rc);
        try {
            ui::ParseDialogTemplates(c.rc, kHeader);
            ADD_FAILURE() << "accepted";
        } catch (const RcError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

TEST(RcParser, MissingFileIsAnError) {
    EXPECT_THROW(ui::LoadDialogTemplates("/nonexistent/Kestrow.rc", KESTROW_RESOURCE_H_PATH),
                 RcError);
    EXPECT_THROW(ui::LoadStringTable(KESTROW_RC_PATH, "/nonexistent/resource.h"), RcError);
}

TEST(RcParser, KindFollowsClassAndButtonType) {
    struct Case {
        const char* className;
        const char* style;
        ControlKind kind;
    };
    const Case cases[] = {
        {"Edit", "ES_AUTOHSCROLL", ControlKind::Edit},
        {"EDIT", "ES_READONLY", ControlKind::Edit},
        {"Button", "BS_PUSHBUTTON", ControlKind::PushButton},
        {"Button", "WS_TABSTOP", ControlKind::PushButton},
        {"button", "BS_DEFPUSHBUTTON", ControlKind::DefPushButton},
        {"Button", "BS_AUTOCHECKBOX | BS_LEFTTEXT", ControlKind::CheckBox},
        {"Button", "BS_3STATE", ControlKind::CheckBox},
        {"Button", "BS_AUTORADIOBUTTON", ControlKind::RadioButton},
        {"Button", "BS_GROUPBOX", ControlKind::GroupBox},
        {"Static", "SS_LEFT", ControlKind::Static},
        {"Static", "SS_ICON", ControlKind::Icon},
        {"SysTabControl32", "TCS_FIXEDWIDTH", ControlKind::Tab},
        {"ListBox", "0", ControlKind::Unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + " " + c.style);
        const ControlTemplate control = OnlyControl(std::string("\"\", 1, \"") + c.className +
                                                    "\", " + c.style + ", 1, 1, 1, 1");
        EXPECT_EQ(ui::KindOf(control), c.kind);
    }
}

} // namespace
