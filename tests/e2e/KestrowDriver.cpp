#include "KestrowDriver.h"

#include "ControlIds.h"
#include "ProgramPaths.h"
#include "RemoteMemory.h"
#include "WindowQueries.h"
#include "WineSettings.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

namespace e2e {

namespace {

constexpr const char* kDialogClass = "#32770";
constexpr WPARAM kAboutCommand = 0x0010;

bool HasItem(HWND dialog, int id) {
    return GetDlgItem(dialog, id) != nullptr;
}

// Each page is recognised by controls that no other page has together.
bool IsPage(HWND window, Page page) {
    switch (page) {
    case Page::PillarWrap:
        return HasItem(window, ids::kPwAlignToSide);
    case Page::BevelScale:
        return HasItem(window, ids::kBsCmd);
    case Page::FloorScale:
        return HasItem(window, ids::kFsSwapSize) && HasItem(window, ids::kFsCmd);
    case Page::TextureSkew:
        return HasItem(window, ids::kTsCmd);
    }
    return false;
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
    return ReadText(MainItem(ids::kCommand));
}

std::string KestrowDriver::CommandLabel() const {
    return ReadText(MainItem(ids::kCommandLabel));
}

int KestrowDriver::SelectedTab() const {
    LRESULT selected = -1;
    SendWithin(MainItem(ids::kTabs), TCM_GETCURSEL, 0, 0, &selected);
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
        !SendWithin(MainItem(ids::kTabs), TCM_GETITEMA, static_cast<WPARAM>(index),
                    memory.Address(), &found) ||
        !found || !memory.Read(text.data(), text.size() - 1, sizeof item))
        return {};
    return text.data();
}

std::optional<RECT> KestrowDriver::TabItemRect(int index) const {
    RemoteMemory memory(m_processId, sizeof(RECT));
    RECT rect{};
    LRESULT found = 0;
    if (!SendWithin(MainItem(ids::kTabs), TCM_GETITEMRECT, static_cast<WPARAM>(index),
                    memory.Address(), &found) ||
        !found || !memory.Read(&rect, sizeof rect))
        return std::nullopt;
    return rect;
}

bool KestrowDriver::ClickTab(int index) const {
    const std::optional<RECT> rect = TabItemRect(index);
    if (!rect)
        return false;
    const LPARAM point = MAKELPARAM((rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2);
    HWND tabs = MainItem(ids::kTabs);
    return PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point) &&
           PostMessageA(tabs, WM_LBUTTONUP, 0, point) && Sync();
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
    const LPARAM point = MAKELPARAM(2, 2);
    return control != nullptr && PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, point) &&
           PostMessageA(control, WM_LBUTTONUP, 0, point) && Sync();
}

bool KestrowDriver::PressKey(HWND target, WPARAM virtualKey) const {
    return target != nullptr &&
           PostMessageA(target, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false)) &&
           PostMessageA(target, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

bool KestrowDriver::Sync() const {
    // A sent message overtakes posted ones, so the program is asked to handle a
    // posted marker instead: it flips the pressed state of the Help button, which
    // is never shown, and the flip shows once everything posted before is handled.
    HWND marker = MainItem(ids::kHelp);
    const auto isPushed = [marker] {
        LRESULT flags = 0;
        return SendWithin(marker, BM_GETSTATE, 0, 0, &flags) ? (flags & BST_PUSHED) != 0 : -1;
    };
    const int before = isPushed();
    if (before < 0 || !PostMessageA(marker, BM_SETSTATE, before == 0, 0))
        return false;
    return WaitUntil([&] { return isPushed() == (before == 0 ? 1 : 0); });
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

std::optional<DialogWindow> KestrowDriver::WaitForNewDialog(const std::vector<HWND>& before,
                                                            Millis timeout) const {
    HWND found = nullptr;
    const bool appeared = WaitUntil(
        [&] {
            for (HWND window : OpenDialogs())
                if (std::find(before.begin(), before.end(), window) == before.end()) {
                    found = window;
                    return true;
                }
            return false;
        },
        timeout);
    if (!appeared)
        return std::nullopt;
    return DialogWindow{found, ReadText(found), StaticTextsOf(found)};
}

std::optional<DialogWindow> KestrowDriver::ClickForDialog(HWND button) const {
    const std::vector<HWND> before = OpenDialogs();
    if (!PostClick(button))
        return std::nullopt;
    return WaitForNewDialog(before);
}

bool KestrowDriver::CloseDialog(const DialogWindow& dialog, int buttonId) const {
    HWND button = GetDlgItem(dialog.window, buttonId);
    return button != nullptr && PostMessageA(button, BM_CLICK, 0, 0) &&
           WaitUntil([&] { return !IsWindow(dialog.window); }) && Sync();
}

std::optional<DialogWindow> KestrowDriver::OpenAboutBox() const {
    const std::vector<HWND> before = OpenDialogs();
    if (!PostMessageA(m_main, WM_SYSCOMMAND, kAboutCommand, 0))
        return std::nullopt;
    return WaitForNewDialog(before);
}

} // namespace e2e
