#include "KestrowDriver.h"

#include "ProgramPaths.h"
#include "RemoteMemory.h"
#include "WindowQueries.h"
#include "WineSettings.h"
#include "res/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

namespace e2e {

namespace {

constexpr const char* kDialogClass = "#32770";

bool HasItem(HWND dialog, int id) {
    return GetDlgItem(dialog, id) != nullptr;
}

// Each page is recognised by controls that no other page has together.
bool IsPage(HWND window, Page page) {
    switch (page) {
    case Page::PillarWrap:
        return HasItem(window, IDC_PW_ALIGN_TO_SIDE);
    case Page::BevelScale:
        return HasItem(window, IDC_BS_CMD);
    case Page::FloorScale:
        return HasItem(window, IDC_FS_SWAP_SIZE) && HasItem(window, IDC_FS_CMD);
    case Page::TextureSkew:
        return HasItem(window, IDC_TS_CMD);
    }
    return false;
}

// A press and release of the left button at the point, sent so that it is handled
// when the call returns.
bool SendClick(HWND window, LPARAM point) {
    return SendWithin(window, WM_LBUTTONDOWN, MK_LBUTTON, point) &&
           SendWithin(window, WM_LBUTTONUP, 0, point);
}

LPARAM KeyData(WPARAM virtualKey, bool release) {
    const UINT scanCode = MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    LPARAM data = 1 | static_cast<LPARAM>(scanCode << 16);
    if (release)
        data |= static_cast<LPARAM>(0xC0000000u);
    return data;
}

} // namespace

bool KestrowDriver::Launch() {
    Kill();
    LetWineManageTestedWindows();
    if (!m_process.Start(KestrowExePath(), ""))
        return false;
    m_processId = m_process.Id();
    return WaitForMainWindow() && Sync();
}

bool KestrowDriver::WaitForMainWindow() {
    return WaitUntil([&] {
        for (HWND window : TopLevelWindowsOf(m_processId)) {
            if (IsWindowVisible(window) && ReadText(window) == kMainCaption) {
                m_main = window;
                return PageWindow(Page::PillarWrap) && PageWindow(Page::BevelScale) &&
                       PageWindow(Page::FloorScale) && PageWindow(Page::TextureSkew);
            }
        }
        return false;
    });
}

void KestrowDriver::Kill() {
    m_process.Kill();
    m_processId = 0;
    m_main = nullptr;
}

bool KestrowDriver::Running() const {
    return m_process.Running();
}

bool KestrowDriver::WaitForExit(Millis timeout) const {
    return m_process.WaitForExit(timeout);
}

HWND KestrowDriver::MainItem(int id) const {
    return GetDlgItem(m_main, id);
}

HWND KestrowDriver::PageWindow(Page page) const {
    for (HWND child : ChildrenOf(m_main))
        if (IsPage(child, page))
            return child;
    return nullptr;
}

HWND KestrowDriver::PageItem(Page page, int id) const {
    HWND window = PageWindow(page);
    return window != nullptr ? GetDlgItem(window, id) : nullptr;
}

std::string KestrowDriver::Command() const {
    return ReadText(MainItem(IDC_MAIN_COMMAND));
}

std::string KestrowDriver::CommandLabel() const {
    return ReadText(MainItem(IDC_MAIN_CMD_LABEL));
}

int KestrowDriver::SelectedTab() const {
    LRESULT selected = -1;
    SendWithin(MainItem(IDC_MAIN_TABS), TCM_GETCURSEL, 0, 0, &selected);
    return static_cast<int>(selected);
}

std::string KestrowDriver::TabText(int index) const {
    constexpr std::size_t kTextSize = 64;
    RemoteMemory memory(m_processId, sizeof(TCITEMA) + kTextSize);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<char*>(memory.Address(sizeof item));
    item.cchTextMax = static_cast<int>(kTextSize);
    std::array<char, kTextSize> text{};
    LRESULT found = 0;
    if (!memory.Write(&item, sizeof item) || !memory.Write(text.data(), text.size(), sizeof item) ||
        !SendWithin(MainItem(IDC_MAIN_TABS), TCM_GETITEMA, static_cast<WPARAM>(index),
                    memory.Address(), &found) ||
        !found || !memory.Read(text.data(), text.size() - 1, sizeof item))
        return {};
    return text.data();
}

std::optional<RECT> KestrowDriver::TabItemRect(int index) const {
    RemoteMemory memory(m_processId, sizeof(RECT));
    RECT rect{};
    LRESULT found = 0;
    if (!SendWithin(MainItem(IDC_MAIN_TABS), TCM_GETITEMRECT, static_cast<WPARAM>(index),
                    memory.Address(), &found) ||
        !found || !memory.Read(&rect, sizeof rect))
        return std::nullopt;
    return rect;
}

bool KestrowDriver::ClickTab(int index) const {
    const std::optional<RECT> rect = TabItemRect(index);
    if (!rect)
        return false;
    return SendClick(MainItem(IDC_MAIN_TABS),
                     MAKELPARAM((rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2));
}

bool KestrowDriver::SelectTab(Page page) const {
    const int index = static_cast<int>(page);
    return ClickTab(index) &&
           WaitUntil([&] { return SelectedTab() == index && IsWindowVisible(PageWindow(page)); });
}

bool KestrowDriver::Click(HWND button) const {
    return button != nullptr && SendWithin(button, BM_CLICK, 0, 0);
}

bool KestrowDriver::PostClick(HWND button) const {
    return button != nullptr && PostMessageA(button, BM_CLICK, 0, 0);
}

bool KestrowDriver::ClickInto(HWND control) const {
    return control != nullptr && SendClick(control, MAKELPARAM(2, 2));
}

bool KestrowDriver::PressKey(HWND target, WPARAM virtualKey) const {
    return target != nullptr &&
           PostMessageA(target, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false)) &&
           PostMessageA(target, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

bool KestrowDriver::Sync() const {
    // A sent message is answered the next time the program reads its queue, before
    // any posted one; so each round trip lets the program finish what it is doing
    // and take at most one more posted message. A key press is three messages at
    // most (down, up and the character it makes); the trips cover those, the
    // handler of the last, and one trip that the program may answer together
    // with the one before.
    constexpr int kRoundTrips = 5;
    for (int trip = 0; trip < kRoundTrips; ++trip)
        if (!SendWithin(m_main, WM_NULL, 0, 0))
            return false;
    return true;
}

HWND KestrowDriver::Focus() const {
    return FocusOfThread(ThreadOf(m_main));
}

std::vector<HWND> KestrowDriver::OpenDialogs() const {
    std::vector<HWND> dialogs;
    for (HWND window : TopLevelWindowsOf(m_processId))
        if (window != m_main && IsWindowVisible(window) && ClassOf(window) == kDialogClass)
            dialogs.push_back(window);
    return dialogs;
}

std::vector<HWND> KestrowDriver::NewDialogs(const std::vector<HWND>& before) const {
    std::vector<HWND> opened;
    for (HWND window : OpenDialogs())
        if (std::find(before.begin(), before.end(), window) == before.end())
            opened.push_back(window);
    return opened;
}

std::optional<DialogWindow> KestrowDriver::WaitForNewDialog(const std::vector<HWND>& before,
                                                            Millis timeout) const {
    std::vector<HWND> opened;
    if (!WaitUntil([&] { return !(opened = NewDialogs(before)).empty(); }, timeout))
        return std::nullopt;
    return Describe(opened.front());
}

std::optional<DialogWindow> KestrowDriver::ClickForDialog(HWND button) const {
    const std::vector<HWND> before = OpenDialogs();
    if (!PostClick(button))
        return std::nullopt;
    return WaitForNewDialog(before);
}

DialogWindow KestrowDriver::Describe(HWND dialog) {
    return DialogWindow{dialog, ReadText(dialog), StaticTextsOf(dialog)};
}

bool KestrowDriver::CloseDialog(const DialogWindow& dialog, int buttonId) const {
    HWND button = GetDlgItem(dialog.window, buttonId);
    return button != nullptr && PostMessageA(button, BM_CLICK, 0, 0) &&
           WaitUntil([&] { return !IsWindow(dialog.window); }) && Sync();
}

std::optional<DialogWindow> KestrowDriver::OpenAboutBox() const {
    const std::vector<HWND> before = OpenDialogs();
    if (!PostMessageA(m_main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0))
        return std::nullopt;
    return WaitForNewDialog(before);
}

} // namespace e2e
