#include "ScriptedSteps.h"

#include "res/resource.h"
#include "ui/Dialog.h"
#include "ui/win32/Win32DialogWindow.h"
#include "ui/win32/Win32Host.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kStillOpen = 99; // the end code a test uses to close a dialog itself

class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(int templateId, CDialog* parent = nullptr)
        : CDialog(templateId, parent) {}

    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        if (onInit)
            onInit();
        return true;
    }
    bool OnCommand(int id, int code) override {
        if (code == ui::kBnClicked)
            clicks.push_back(id);
        return CDialog::OnCommand(id, code);
    }

    HWND Hwnd() const { return ui::WindowOf(*this).Handle(); }
    HWND Item(int id) const { return GetDlgItem(Hwnd(), id); }

    std::function<void()> onInit;
    std::vector<int> clicks;
};

// Like a calculator page: OK does nothing.
class RecordingPage : public RecordingDialog {
public:
    using RecordingDialog::RecordingDialog;

protected:
    void OnOK() override {}
};

void PostKey(UINT key) {
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
}

RECT WindowRect(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return rect;
}

class Win32HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        HWND probe =
            CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        if (probe == nullptr)
            GTEST_SKIP() << "no display to create windows on";
        ::DestroyWindow(probe);
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        ui::SetHost(&host);
    }
    void TearDown() override {
        ScriptedSteps::Clear();
        ui::SetHost(nullptr);
    }

    ui::Win32Host host{GetModuleHandleA(nullptr)};
};

TEST_F(Win32HostTest, EnterAndEscapeGoToTheInnermostDialogWithTheFocus) {
    struct Case {
        const char* name;
        bool inPage;
        int focusId;
        UINT key;
        std::vector<int> mainClicks;
        std::vector<int> pageClicks;
        int endCode;
        bool pageVisible;
    };
    const Case cases[] = {
        {"Enter in a page field", true, IDC_PW_TEXWIDTH, VK_RETURN, {}, {IDOK}, kStillOpen, true},
        {"Escape in a page field",
         true,
         IDC_PW_TEXWIDTH,
         VK_ESCAPE,
         {},
         {IDCANCEL},
         kStillOpen,
         false},
        {"Enter on a page's button",
         true,
         IDC_PW_CMD_SIMPLE_PAN,
         VK_RETURN,
         {},
         {IDC_PW_CMD_SIMPLE_PAN},
         kStillOpen,
         true},
        {"Enter in the command box", false, IDC_MAIN_COMMAND, VK_RETURN, {IDOK}, {}, IDOK, true},
        {"Escape in the command box",
         false,
         IDC_MAIN_COMMAND,
         VK_ESCAPE,
         {IDCANCEL},
         {},
         IDCANCEL,
         true},
        {"Enter on Apply",
         false,
         IDC_MAIN_APPLY,
         VK_RETURN,
         {IDC_MAIN_APPLY},
         {},
         kStillOpen,
         true},
        {"Escape on Apply", false, IDC_MAIN_APPLY, VK_ESCAPE, {IDCANCEL}, {}, IDCANCEL, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDialog main(IDD_MAIN);
        RecordingPage page(IDD_PILLAR_WRAP, &main);
        main.onInit = [&] {
            page.Create(IDD_PILLAR_WRAP, &main);
            EnableWindow(main.Item(IDC_MAIN_APPLY), TRUE);
        };
        bool pageVisible = false;
        ScriptedSteps::Schedule({
            [&] {
                SetFocus(c.inPage ? page.Item(c.focusId) : main.Item(c.focusId));
                PostKey(c.key);
            },
            [&] {
                pageVisible = IsWindowVisible(page.Hwnd()) != FALSE;
                main.EndDialog(kStillOpen);
            },
        });
        EXPECT_EQ(host.RunModal(main, nullptr), c.endCode);
        ScriptedSteps::Clear();
        EXPECT_EQ(main.clicks, c.mainClicks);
        EXPECT_EQ(page.clicks, c.pageClicks);
        if (c.endCode == kStillOpen) {
            EXPECT_EQ(pageVisible, c.pageVisible);
        }
        // The page's window went with the main window's; the page object knows.
        EXPECT_EQ(ui::WindowOf(page).Handle(), nullptr);
    }
}

TEST_F(Win32HostTest, RemoteWindowKeysPressItsButtons) {
    struct Case {
        const char* name;
        int focusId;
        UINT key;
        std::vector<int> clicks;
        int endCode;
    };
    const Case cases[] = {
        {"Enter on the big button", IDC_REMOTE_APPLY, VK_RETURN, {IDC_REMOTE_APPLY}, kStillOpen},
        {"Enter on Recall Calculator", IDCANCEL, VK_RETURN, {IDCANCEL}, IDCANCEL},
        {"Escape on the big button", IDC_REMOTE_APPLY, VK_ESCAPE, {IDCANCEL}, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDialog remote(IDD_REMOTE);
        ScriptedSteps::Schedule({
            [&] {
                SetFocus(remote.Item(c.focusId));
                PostKey(c.key);
            },
            [&] { remote.EndDialog(kStillOpen); },
        });
        EXPECT_EQ(host.RunModal(remote, nullptr), c.endCode);
        ScriptedSteps::Clear();
        EXPECT_EQ(remote.clicks, c.clicks);
    }
}

TEST_F(Win32HostTest, NestedModalRunDisablesItsOwnerAndHandsActivationBack) {
    RecordingDialog main(IDD_MAIN);
    RecordingDialog about(IDD_ABOUTBOX);
    RECT mainRect{}, aboutRect{}, workArea{};
    bool ownerEnabledDuring = true, ownerEnabledAfter = false, ownerActiveAfter = false;
    int aboutResult = 0;
    ScriptedSteps::Schedule({
        [&] {
            mainRect = WindowRect(main.Hwnd());
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
            aboutResult = host.RunModal(about, &main);
            ownerEnabledAfter = IsWindowEnabled(main.Hwnd()) != FALSE;
            ownerActiveAfter = GetActiveWindow() == main.Hwnd();
        },
        [&] {
            ownerEnabledDuring = IsWindowEnabled(main.Hwnd()) != FALSE;
            aboutRect = WindowRect(about.Hwnd());
            PostKey(VK_RETURN); // the focus starts on OK
        },
        [&] { main.EndDialog(kStillOpen); },
    });
    EXPECT_EQ(host.RunModal(main, nullptr), kStillOpen);

    EXPECT_EQ(aboutResult, IDOK);
    EXPECT_EQ(about.clicks, std::vector<int>{IDOK});
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(ownerEnabledAfter);
    EXPECT_TRUE(ownerActiveAfter);
    // The main window, ownerless, is centred on the work area; the about box over it.
    EXPECT_LE(std::abs((mainRect.left + mainRect.right) - (workArea.left + workArea.right)), 2);
    EXPECT_LE(std::abs((mainRect.top + mainRect.bottom) - (workArea.top + workArea.bottom)), 2);
    EXPECT_LE(std::abs((aboutRect.left + aboutRect.right) - (mainRect.left + mainRect.right)), 2);
    EXPECT_LE(std::abs((aboutRect.top + aboutRect.bottom) - (mainRect.top + mainRect.bottom)), 2);
}

TEST_F(Win32HostTest, EndDialogDuringInitialisationEndsTheRunAtOnce) {
    RecordingDialog about(IDD_ABOUTBOX);
    about.onInit = [&] { about.EndDialog(5); };
    EXPECT_EQ(host.RunModal(about, nullptr), 5);
    EXPECT_FALSE(about.HasWindow());
    EXPECT_EQ(FindWindowA(nullptr, "About Kestrow"), nullptr);
}

TEST_F(Win32HostTest, DialogOperationsReachTheRealControls) {
    RecordingDialog main(IDD_MAIN);
    RecordingPage page(IDD_PILLAR_WRAP, &main);
    main.onInit = [&] { page.Create(IDD_PILLAR_WRAP, &main); };
    ScriptedSteps::Schedule({[&] {
        ui::Win32DialogWindow& window = ui::WindowOf(main);
        const std::string longText = std::string(1000, 'x') + "end";
        window.SetItemText(IDC_MAIN_COMMAND, longText);
        EXPECT_EQ(window.GetItemText(IDC_MAIN_COMMAND), longText);

        window.FocusItem(IDC_MAIN_COMMAND);
        EXPECT_EQ(GetFocus(), main.Item(IDC_MAIN_COMMAND));
        DWORD start = 0, end = 0;
        SendMessageA(main.Item(IDC_MAIN_COMMAND), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, longText.size());

        window.InsertTabItem(IDC_MAIN_TABS, 0, "Pillar Wrap");
        window.InsertTabItem(IDC_MAIN_TABS, 1, "Bevel Scale");
        EXPECT_EQ(SendMessageA(main.Item(IDC_MAIN_TABS), TCM_GETITEMCOUNT, 0, 0), 2);
        EXPECT_EQ(window.GetTabSelection(IDC_MAIN_TABS), 0);

        HMENU menu = GetSystemMenu(main.Hwnd(), FALSE);
        int itemsBefore = GetMenuItemCount(menu);
        EXPECT_TRUE(window.AppendSystemMenuItem(IDM_ABOUTBOX, "&About Kestrow..."));
        EXPECT_EQ(GetMenuItemCount(menu), itemsBefore + 2);
        char itemText[64] = {};
        GetMenuStringA(menu, IDM_ABOUTBOX, itemText, sizeof itemText, MF_BYCOMMAND);
        EXPECT_STREQ(itemText, "&About Kestrow...");

        // A modeless dialog's end hides it; destroying it takes its window.
        HWND pageHwnd = page.Hwnd();
        page.EndDialog(IDCANCEL);
        EXPECT_FALSE(IsWindowVisible(pageHwnd));
        page.DestroyWindow();
        EXPECT_FALSE(IsWindow(pageHwnd));

        main.EndDialog(kStillOpen);
    }});
    EXPECT_EQ(host.RunModal(main, nullptr), kStillOpen);
}

TEST_F(Win32HostTest, WindowWithoutSystemMenuGetsNoMenuItem) {
    RecordingDialog remote(IDD_REMOTE);
    bool appended = true;
    remote.onInit = [&] {
        appended = ui::WindowOf(remote).AppendSystemMenuItem(IDM_ABOUTBOX, "&About Kestrow...");
        remote.EndDialog(IDCANCEL);
    };
    host.RunModal(remote, nullptr);
    EXPECT_FALSE(appended);
}

TEST_F(Win32HostTest, Resources) {
    EXPECT_EQ(host.LoadStringResource(IDS_ABOUTBOX), "&About Kestrow...");
    EXPECT_EQ(host.LoadStringResource(9999), "");
    EXPECT_NE(host.LoadIconResource(IDR_MAINFRAME), 0u);
}

} // namespace
