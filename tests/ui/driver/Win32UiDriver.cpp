// The driver over real windows, in the test's own process: our dialogs run in the
// Win32 host's modal loop and reach other windows and the clipboard through the
// Win32 desktop, a test body runs from inside that loop, message boxes are
// answered as they open, and posted messages are taken as the loop would take
// them.
#include "ClipboardHolder.h"
#include "DrivenWin32Host.h"

#include "link/Win32Desktop.h"
#include "tests/support/UiDriver.h"
#include "tests/support/win32/ClipboardText.h"
#include "tests/support/win32/CommandLineWindow.h"
#include "ui/Dialog.h"
#include "ui/win32/DialogProc.h"
#include "ui/win32/Win32DialogWindow.h"

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

namespace uitest {

namespace {

constexpr const char* kOutsideClass = "KestrowTestOutsideWindow";
constexpr const char* kAnsweredProperty = "KestrowTestAnswered";

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string WindowText(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsOurDialog(HWND hwnd) {
    return ui::AttachedDialog(hwnd) != nullptr;
}

// A dialog-class window that is not one of ours: a message box.
bool IsMessageBox(HWND hwnd) {
    return ClassOf(hwnd) == "#32770" &&
           GetWindowLongPtrA(hwnd, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&ui::DialogProc);
}

// The texts of the box's static controls: its message.
std::string MessageOf(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (lstrcmpiA(ClassOf(child).c_str(), "Static") == 0) {
            const std::string part = WindowText(child);
            if (!part.empty())
                text += (text.empty() ? "" : "\n") + part;
        }
    }
    return text;
}

UINT VirtualKey(ui::DialogKey key) {
    switch (key) {
    case ui::DialogKey::Enter:
        return VK_RETURN;
    case ui::DialogKey::Escape:
        return VK_ESCAPE;
    case ui::DialogKey::Tab:
        return VK_TAB;
    case ui::DialogKey::PageUp:
        return VK_PRIOR;
    case ui::DialogKey::PageDown:
        return VK_NEXT;
    }
    return 0;
}

class Win32UiDriver : public UiDriver {
public:
    Win32UiDriver() {
        s_driver = this;
        ui::SetHost(&m_host);
        RegisterOutsideClass(kOutsideClass);
        // Hooks on every sent message slow Wine several times over, so message
        // boxes are caught as they activate, and the enable log's hook waits
        // until a test starts the log.
        m_windowEventHook = SetWindowsHookExA(WH_CBT, OnWindowEvent, nullptr, GetCurrentThreadId());
        m_getMessageHook =
            SetWindowsHookExA(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
    }
    ~Win32UiDriver() override {
        m_holder.LetGo();
        RemoveOutsideWindows();
        for (HHOOK hook : {m_windowEventHook, m_getMessageHook, m_enableHook}) {
            if (hook != nullptr)
                UnhookWindowsHookEx(hook);
        }
        ui::SetHost(nullptr);
        s_driver = nullptr;
    }
    Win32UiDriver(const Win32UiDriver&) = delete;
    Win32UiDriver& operator=(const Win32UiDriver&) = delete;

    kestrow::Desktop& Desktop() override { return m_desktop; }
    void OnNextModal(ModalBody body) override { m_host.OnNextModal(std::move(body)); }
    std::vector<int> ModalRuns() const override { return m_host.Runs(); }

    bool Type(CDialog& dialog, int id, const std::string& text) override {
        HWND edit = Item(dialog, id);
        if (!Reachable(edit) || lstrcmpiA(ClassOf(edit).c_str(), "Edit") != 0 ||
            (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) != 0)
            return false;
        SetFocus(edit);
        SetWindowTextA(edit, text.c_str());
        Settle();
        return true;
    }

    bool Click(CDialog& dialog, int id) override {
        HWND control = Item(dialog, id);
        if (!Reachable(control))
            return false;
        SendMessageA(control, BM_CLICK, 0, 0);
        Settle();
        return true;
    }

    // With the mouse, on the middle of the tab's item.
    bool SelectTab(CDialog& dialog, int tabId, int index) override {
        HWND tabs = Item(dialog, tabId);
        if (!Reachable(tabs))
            return false;
        const LRESULT before = SendMessageA(tabs, TCM_GETCURSEL, 0, 0);
        RECT item{};
        if (!SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(&item)))
            return false;
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(tabs, WM_LBUTTONUP, 0, at);
        Settle();
        return before != index && SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == index;
    }

    // Posted to the window with the focus, as the keyboard does; with no focus,
    // to the active window as a system key. The modifiers are down meanwhile.
    void PressKey(ui::DialogKey key, ui::KeyModifiers modifiers) override {
        PressVirtualKey(VirtualKey(key), modifiers);
    }
    // The virtual key of a letter is the letter in upper case.
    void PressAccessKey(char letter) override {
        PressVirtualKey(static_cast<UINT>(std::toupper(static_cast<unsigned char>(letter))),
                        {.alt = true});
    }

    void PressVirtualKey(UINT virtualKey, ui::KeyModifiers modifiers) {
        HWND target = GetFocus();
        bool systemKey = modifiers.alt;
        if (target == nullptr) {
            target = GetActiveWindow();
            systemKey = true;
        }
        if (target == nullptr)
            return;
        BYTE before[256] = {};
        GetKeyboardState(before);
        BYTE held[256];
        std::memcpy(held, before, sizeof held);
        const auto press = [&](int modifier, bool down) { held[modifier] = down ? 0x80 : 0; };
        press(VK_CONTROL, modifiers.ctrl);
        press(VK_LCONTROL, modifiers.ctrl);
        press(VK_SHIFT, modifiers.shift);
        press(VK_LSHIFT, modifiers.shift);
        press(VK_MENU, modifiers.alt);
        press(VK_LMENU, modifiers.alt);
        SetKeyboardState(held);

        LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC) << 16);
        if (virtualKey == VK_PRIOR || virtualKey == VK_NEXT)
            data |= 1 << 24; // extended key
        if (modifiers.alt)
            data |= 1 << 29;
        PostMessageA(target, systemKey ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, data);
        PostMessageA(target, systemKey ? WM_SYSKEYUP : WM_KEYUP, virtualKey,
                     data | static_cast<LPARAM>(0xC0000000u));
        Settle();
        SetKeyboardState(before);
    }

    void SystemCommand(CDialog& dialog, unsigned id) override {
        HWND hwnd = HandleOf(dialog);
        if (!Reachable(hwnd))
            return;
        SendMessageA(hwnd, WM_SYSCOMMAND, id, 0);
        Settle();
    }

    void Close(CDialog& dialog) override { SystemCommand(dialog, SC_CLOSE); }

    std::string Text(const CDialog& dialog, int id) const override {
        return WindowText(Item(dialog, id));
    }
    // As a screen reader asks for it, through the accessibility object of the window.
    std::string AccessibleName(const CDialog& dialog, int id) const override {
        IAccessible* object = nullptr;
        if (AccessibleObjectFromWindow(Item(dialog, id), static_cast<DWORD>(OBJID_CLIENT),
                                       __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&object)) != S_OK)
            return "(no accessible object)";
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        std::string text;
        if (object->get_accName(self, &name) == S_OK && name != nullptr) {
            text.resize(static_cast<std::size_t>(SysStringLen(name)) * 3);
            text.resize(static_cast<std::size_t>(
                WideCharToMultiByte(CP_UTF8, 0, name, static_cast<int>(SysStringLen(name)),
                                    text.data(), static_cast<int>(text.size()), nullptr, nullptr)));
        }
        SysFreeString(name);
        object->Release();
        return text;
    }
    bool IsChecked(const CDialog& dialog, int id) const override {
        return IsDlgButtonChecked(HandleOf(dialog), id) == BST_CHECKED;
    }
    bool IsEnabled(const CDialog& dialog, int id) const override {
        return IsWindowEnabled(Item(dialog, id)) != FALSE;
    }
    bool IsDialogVisible(const CDialog& dialog) const override {
        return (GetWindowLongA(HandleOf(dialog), GWL_STYLE) & WS_VISIBLE) != 0;
    }
    bool IsDialogEnabled(const CDialog& dialog) const override {
        return IsWindowEnabled(HandleOf(dialog)) != FALSE;
    }
    bool IsDialogIconic(const CDialog& dialog) const override {
        return IsIconic(HandleOf(dialog)) != FALSE;
    }
    bool IsDialogTopmost(const CDialog& dialog) const override {
        return (GetWindowLongA(HandleOf(dialog), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }
    bool IsTextSelected(const CDialog& dialog, int id) const override {
        HWND edit = Item(dialog, id);
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return start == 0 && end == static_cast<DWORD>(GetWindowTextLengthA(edit));
    }
    std::vector<std::string> TabItems(const CDialog& dialog, int tabId) const override {
        HWND tabs = Item(dialog, tabId);
        std::vector<std::string> items;
        const auto count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
        for (int index = 0; index < count; ++index) {
            char text[128] = {};
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&item));
            items.emplace_back(text);
        }
        return items;
    }
    std::vector<std::string> SystemMenuItems(const CDialog& dialog) const override {
        std::vector<std::string> items;
        HMENU menu = GetSystemMenu(HandleOf(dialog), FALSE);
        const int count = menu != nullptr ? GetMenuItemCount(menu) : 0;
        for (int index = 0; index < count; ++index) {
            char text[128] = {};
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = sizeof text;
            GetMenuItemInfoA(menu, static_cast<UINT>(index), TRUE, &info);
            items.emplace_back((info.fType & MFT_SEPARATOR) != 0 ? "" : text);
        }
        return items;
    }
    ui::IconHandle Icon(const CDialog& dialog) const override {
        return static_cast<ui::IconHandle>(SendMessageA(HandleOf(dialog), WM_GETICON, ICON_BIG, 0));
    }
    CDialog* FocusDialog() const override {
        HWND focus = GetFocus();
        if (focus == nullptr)
            return nullptr;
        if (CDialog* dialog = ui::AttachedDialog(focus))
            return dialog;
        return ui::AttachedDialog(GetParent(focus));
    }
    int FocusId() const override {
        HWND focus = GetFocus();
        if (focus == nullptr || IsOurDialog(focus) || !IsOurDialog(GetParent(focus)))
            return 0;
        return GetDlgCtrlID(focus);
    }

    std::vector<MessageBoxRecord> MessageBoxes() const override { return m_boxes; }
    void ClearMessageBoxes() override { m_boxes.clear(); }

    std::vector<EnableRecord> EnableLog() const override { return m_enableLog; }
    void StartEnableLog() override {
        m_enableLog.clear();
        if (m_enableHook == nullptr)
            m_enableHook =
                SetWindowsHookExA(WH_CALLWNDPROC, BeforeCall, nullptr, GetCurrentThreadId());
    }

    // Hidden windows of our own thread stand in for the other program's.
    kestrow::WindowRef AddTopLevelWindow(const std::string& title,
                                         const std::string& className) override {
        const char* name = className.empty() ? kOutsideClass : className.c_str();
        RegisterOutsideClass(name);
        return AddOutside(name, title, 0, nullptr);
    }
    kestrow::WindowRef AddChildWindow(kestrow::WindowRef parent) override {
        return AddOutside(kOutsideClass, "", WS_CHILD, reinterpret_cast<HWND>(parent));
    }
    // Real controls of our own thread, each as the stand-in editor makes them.
    kestrow::WindowRef AddCommandLine(kestrow::WindowRef parent, CommandLineKind kind) override {
        HWND hwnd =
            CreateCommandLineWindow(reinterpret_cast<HWND>(parent), kind, 0, RECT{0, 0, 400, 80},
                                    [this](HWND window, const std::string& command) {
                                        m_executed[window].push_back(command);
                                    });
        m_kinds[hwnd] = kind;
        m_outside.push_back(hwnd);
        return reinterpret_cast<kestrow::WindowRef>(hwnd);
    }
    void TypeInto(kestrow::WindowRef commandLine, const std::string& text) override {
        for (char c : text)
            SendMessageA(reinterpret_cast<HWND>(commandLine), WM_CHAR,
                         static_cast<unsigned char>(c), 1);
    }
    std::vector<std::string> Executed(kestrow::WindowRef commandLine) override {
        PostedMessages();
        return m_executed[reinterpret_cast<HWND>(commandLine)];
    }
    std::string Typed(kestrow::WindowRef commandLine) override {
        PostedMessages();
        HWND hwnd = reinterpret_cast<HWND>(commandLine);
        return TypedText(hwnd, m_kinds.at(hwnd));
    }
    void RemoveOutsideWindows() override {
        for (auto it = m_outside.rbegin(); it != m_outside.rend(); ++it) {
            if (IsWindow(*it))
                DestroyWindow(*it);
        }
        m_outside.clear();
        m_kinds.clear();
        m_executed.clear();
    }
    // A window's messages include its children's, in the order posted.
    std::vector<PostedMessage> PostedMessages() override {
        MSG msg;
        for (HWND hwnd : m_outside) {
            while (IsWindow(hwnd) && PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg); // the hook records it
        }
        return m_posted;
    }

    std::string Clipboard() const override { return ClipboardTextNow(); }
    void SetClipboard(const std::string& text) override { m_desktop.WriteClipboardText(text); }
    void HoldClipboard() override { m_holder.Hold(); }
    void LetGoOfClipboard() override { m_holder.LetGo(); }

private:
    HWND Item(const CDialog& dialog, int id) const { return GetDlgItem(HandleOf(dialog), id); }

    // Shown, and enabled along with every window it sits in.
    static bool Reachable(HWND hwnd) {
        if (hwnd == nullptr || !IsWindowVisible(hwnd))
            return false;
        for (; hwnd != nullptr; hwnd = GetAncestor(hwnd, GA_PARENT)) {
            if (!IsWindowEnabled(hwnd))
                return false;
            if ((GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) == 0)
                break;
        }
        return true;
    }

    // Fails harmlessly when it was registered before.
    static void RegisterOutsideClass(const char* name) {
        WNDCLASSA outside{};
        outside.lpfnWndProc = DefWindowProcA;
        outside.hInstance = GetModuleHandleA(nullptr);
        outside.lpszClassName = name;
        RegisterClassA(&outside);
    }
    kestrow::WindowRef AddOutside(const char* className, const std::string& title, DWORD style,
                                  HWND parent) {
        HWND hwnd = CreateWindowExA(0, className, title.c_str(), style, 0, 0, 100, 100, parent,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        m_outside.push_back(hwnd);
        return reinterpret_cast<kestrow::WindowRef>(hwnd);
    }
    // One of them or inside one, as the edit inside 227's command box is.
    bool IsOutside(HWND hwnd) const {
        for (; hwnd != nullptr && hwnd != GetDesktopWindow(); hwnd = GetAncestor(hwnd, GA_PARENT)) {
            if (std::find(m_outside.begin(), m_outside.end(), hwnd) != m_outside.end())
                return true;
        }
        return false;
    }

    // Handles what the action left in the queue, in order, as the running modal
    // loop would. Timer ticks come last of all, so the first one ends it: a body
    // waiting for its modal window must not start here.
    void Settle() {
        MSG msg;
        for (int handled = 0; handled < 10000; ++handled) {
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) || msg.message == WM_TIMER ||
                !PeekMessageA(&msg, nullptr, msg.message, msg.message, PM_REMOVE))
                return;
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            HWND modal = m_host.RunningModal();
            if (modal == nullptr || !IsDialogMessageA(modal, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }

    // A message box is shown, its text set: recorded, then answered with OK once
    // its loop runs.
    static LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && s_driver != nullptr && IsMessageBox(hwnd) &&
            GetPropA(hwnd, kAnsweredProperty) == nullptr) {
            SetPropA(hwnd, kAnsweredProperty, hwnd);
            s_driver->m_boxes.push_back(
                {ui::AttachedDialog(GetWindow(hwnd, GW_OWNER)), MessageOf(hwnd), WindowText(hwnd)});
            PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDOK)));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    // A control of one of our dialogs is told that its enabled state changed.
    static LRESULT CALLBACK BeforeCall(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && s_driver != nullptr && call->message == WM_ENABLE &&
            (GetWindowLongA(call->hwnd, GWL_STYLE) & WS_CHILD) != 0) {
            if (CDialog* dialog = ui::AttachedDialog(GetParent(call->hwnd)))
                s_driver->m_enableLog.push_back(
                    {dialog, GetDlgCtrlID(call->hwnd), call->wParam != FALSE});
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    // Whichever loop takes a message posted to an outside window, it is recorded.
    static LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && wParam == PM_REMOVE && s_driver != nullptr &&
            s_driver->IsOutside(msg->hwnd))
            s_driver->m_posted.push_back({reinterpret_cast<kestrow::WindowRef>(msg->hwnd),
                                          msg->message, msg->wParam, msg->lParam});
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static Win32UiDriver* s_driver;
    DrivenWin32Host m_host;
    kestrow::Win32Desktop m_desktop;
    HHOOK m_windowEventHook = nullptr;
    HHOOK m_getMessageHook = nullptr;
    HHOOK m_enableHook = nullptr;
    std::vector<MessageBoxRecord> m_boxes;
    std::vector<EnableRecord> m_enableLog;
    std::vector<HWND> m_outside;
    std::map<HWND, CommandLineKind> m_kinds;
    std::map<HWND, std::vector<std::string>> m_executed;
    std::vector<PostedMessage> m_posted;
    ClipboardHolder m_holder;
};

Win32UiDriver* Win32UiDriver::s_driver = nullptr;

} // namespace

std::unique_ptr<UiDriver> MakeUiDriver() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return std::make_unique<Win32UiDriver>();
}

bool CanShowWindows() {
    HWND probe =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (probe == nullptr)
        return false;
    DestroyWindow(probe);
    return true;
}

} // namespace uitest
