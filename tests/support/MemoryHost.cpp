#include "tests/support/MemoryHost.h"

#include "ui/Dialog.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <stdexcept>
#include <utility>

namespace ui {

namespace {
constexpr unsigned kScMinimize = 0xF020;
constexpr unsigned kScRestore = 0xF120;
constexpr unsigned kScClose = 0xF060;
} // namespace

struct MemoryControl {
    const ControlTemplate* tmpl = nullptr;
    ControlKind kind = ControlKind::Unknown;
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    bool textSelected = false;
    std::vector<std::string> tabItems;
    int tabSelection = -1;
};

class MemoryWindow : public DialogWindow {
public:
    MemoryWindow(MemoryHost& host, CDialog& dialog, const DialogTemplate& tmpl,
                 MemoryWindow* parent, bool modal)
        : m_host(host), m_dialog(dialog), m_template(tmpl), m_parent(parent), m_modal(modal) {
        for (const ControlTemplate& control : tmpl.controls) {
            MemoryControl state;
            state.tmpl = &control;
            state.kind = KindOf(control);
            state.text = control.text;
            state.enabled = IsEnabled(control);
            state.visible = IsVisible(control);
            m_controls.push_back(std::move(state));
        }
        m_visible = tmpl.Has(style::kVisible);
        m_host.Register(this);
    }
    ~MemoryWindow() override { m_host.Unregister(this); }

    std::size_t IndexOf(int id) const {
        for (std::size_t index = 0; index < m_controls.size(); ++index) {
            if (m_controls[index].tmpl->id == id)
                return index;
        }
        throw std::out_of_range("no control " + std::to_string(id) + " in dialog " +
                                std::to_string(m_template.id));
    }
    MemoryControl& Control(int id) { return m_controls[IndexOf(id)]; }
    const MemoryControl& Control(int id) const {
        return const_cast<MemoryWindow*>(this)->Control(id);
    }

    // A user can reach the window: it and every window it sits in are shown and enabled.
    bool Reachable() const {
        for (const MemoryWindow* w = this; w != nullptr; w = w->m_parent) {
            if (!w->m_visible || !w->m_enabled)
                return false;
            if (w->m_modal)
                break;
        }
        return true;
    }

    // The focus is in this window or in a window that sits in it.
    bool HoldsFocus() const {
        for (const MemoryWindow* w = m_host.m_focusWindow; w != nullptr; w = w->m_parent) {
            if (w == this)
                return true;
            if (w->m_modal)
                break;
        }
        return false;
    }

    // The window and every window it sits in are enabled, and the top-level one
    // is not minimised.
    bool CanHoldFocus() const {
        for (const MemoryWindow* w = this; w != nullptr; w = w->m_parent) {
            if (!w->m_enabled)
                return false;
            if (w->m_modal)
                return !w->m_iconic;
        }
        return true;
    }

    void FocusFirstTabStop() {
        for (MemoryControl& control : m_controls) {
            if (IsTabStop(*control.tmpl) && control.visible && control.enabled) {
                FocusItem(control.tmpl->id);
                return;
            }
        }
    }

    int DefaultButton() const {
        for (const MemoryControl& control : m_controls) {
            if (control.kind == ControlKind::DefPushButton)
                return control.tmpl->id;
        }
        return 0;
    }

    // Automatic radio buttons uncheck the others of their group.
    void CheckRadio(int id) {
        auto clicked = std::find_if(m_controls.begin(), m_controls.end(),
                                    [id](const MemoryControl& c) { return c.tmpl->id == id; });
        auto first = clicked;
        while (first != m_controls.begin() && !StartsGroup(*first->tmpl))
            --first;
        for (auto it = first; it != m_controls.end(); ++it) {
            if (it != first && StartsGroup(*it->tmpl))
                break;
            if (it->kind == ControlKind::RadioButton)
                it->checked = (it == clicked);
        }
    }

    std::string GetItemText(int id) const override { return Control(id).text; }
    void SetItemText(int id, const std::string& text) override {
        MemoryControl& control = Control(id);
        control.text = text;
        control.textSelected = false;
    }
    bool IsItemChecked(int id) const override { return Control(id).checked; }
    void SetItemChecked(int id, bool checked) override { Control(id).checked = checked; }
    void EnableItem(int id, bool enable) override {
        MemoryControl& control = Control(id);
        if (control.enabled != enable)
            m_host.m_enableLog.push_back({&m_dialog, id, enable});
        control.enabled = enable;
        // As on Windows, disabling the focused control leaves no window with the
        // focus, so that no key can press a disabled button.
        if (!enable && m_host.m_focusWindow == this && m_host.m_focusId == id) {
            m_host.m_focusWindow = nullptr;
            m_host.m_focusId = 0;
        }
    }
    bool FocusItem(int id) override {
        MemoryControl& control = Control(id);
        if (control.kind == ControlKind::Edit)
            control.textSelected = true;
        if (!control.enabled || !control.visible || !Reachable() || !CanHoldFocus())
            return false; // as on Windows, where such a control does not take the focus
        m_host.m_focusWindow = this;
        m_host.m_focusId = id;
        return true;
    }
    void SelectAllItemText(int id) override { Control(id).textSelected = true; }
    // As the Win32 host does it, by the template's rectangles.
    void LabelField(const FieldLabel& label) override {
        const ControlTemplate& field = *Control(label.fieldId).tmpl;
        const auto distance = [&](const MemoryControl& c) {
            return std::abs(c.tmpl->x - field.x) + std::abs(c.tmpl->y - field.y);
        };
        auto shown = m_controls.end();
        for (auto it = m_controls.begin(); label.label != nullptr && it != m_controls.end(); ++it) {
            if (it->kind == ControlKind::Static &&
                WithoutAccessKeys(it->text) == WithoutAccessKeys(label.label) &&
                (shown == m_controls.end() || distance(*it) < distance(*shown)))
                shown = it;
        }
        const auto before = [&] {
            return m_controls.begin() + static_cast<std::ptrdiff_t>(IndexOf(label.fieldId));
        };
        if (shown != m_controls.end()) {
            MemoryControl moved = *shown;
            moved.text = label.label;
            m_controls.erase(shown);
            m_controls.insert(before(), moved);
        }
        if (label.name != nullptr) {
            ControlTemplate& name = m_names.emplace_back();
            name.id = -1;
            name.className = "Static";
            name.text = label.name;
            MemoryControl hidden;
            hidden.tmpl = &name;
            hidden.kind = ControlKind::Static;
            hidden.text = label.name;
            hidden.visible = false;
            m_controls.insert(before(), hidden);
        }
    }
    void InsertTabItem(int tabId, int index, const std::string& text) override {
        MemoryControl& control = Control(tabId);
        index = std::clamp(index, 0, static_cast<int>(control.tabItems.size()));
        control.tabItems.insert(control.tabItems.begin() + index, text);
        if (control.tabSelection < 0)
            control.tabSelection = 0;
    }
    int GetTabSelection(int tabId) const override { return Control(tabId).tabSelection; }
    void SwitchTab(int tabId, int index) override {
        MemoryControl& control = Control(tabId);
        if (index == control.tabSelection || index < 0 ||
            index >= static_cast<int>(control.tabItems.size()))
            return;
        long result = 0;
        if (m_dialog.OnNotify(tabId, kTcnSelChanging, result) && result != 0)
            return;
        control.tabSelection = index;
        m_dialog.OnNotify(tabId, kTcnSelChange, result);
    }
    void Show(ShowCommand command) override {
        switch (command) {
        case ShowCommand::Hide:
            m_visible = false;
            break;
        case ShowCommand::Show:
            m_visible = true;
            break;
        case ShowCommand::Minimize:
            // As on Windows: a minimised window keeps no focus, and one brought
            // back from its icon takes the focus itself.
            if (HoldsFocus()) {
                m_host.m_focusWindow = nullptr;
                m_host.m_focusId = 0;
            }
            m_iconic = true;
            break;
        case ShowCommand::ShowNormal:
            if (m_iconic && m_modal) {
                m_host.m_focusWindow = this;
                m_host.m_focusId = 0;
            }
            m_iconic = false;
            m_visible = true;
            break;
        }
    }
    bool IsIconic() const override { return m_iconic; }
    void MakeTopmost() override { m_topmost = true; }
    bool AppendSystemMenuItem(int, const std::string& text) override {
        if (!m_template.Has(style::kSysMenu))
            return false;
        m_systemMenu.push_back("");
        m_systemMenu.push_back(text);
        return true;
    }
    void SetIcons(IconHandle icon) override { m_icon = icon; }
    void PaintMinimizedIcon(IconHandle) override { ++m_paintedIcons; }
    void ShowMessageBox(const std::string& text, const std::string& caption) override {
        const MemoryWindow* owner = this;
        while (!owner->m_modal && owner->m_parent != nullptr)
            owner = owner->m_parent;
        m_host.m_messageBoxes.push_back({&owner->m_dialog, text, caption});
    }
    // A modal dialog's owner is enabled again at once, before the dialog hides.
    void EndDialog(int result) override {
        if (m_modal) {
            m_ended = true;
            m_endCode = result;
            if (m_parent != nullptr)
                m_parent->m_enabled = true;
        }
        m_visible = false;
    }

    MemoryHost& m_host;
    CDialog& m_dialog;
    const DialogTemplate& m_template;
    MemoryWindow* m_parent;
    bool m_modal;
    std::vector<MemoryControl> m_controls;
    std::deque<ControlTemplate> m_names; // the invisible labels' own templates
    bool m_visible = false;
    bool m_enabled = true;
    bool m_iconic = false;
    bool m_topmost = false;
    bool m_ended = false;
    int m_endCode = 0;
    IconHandle m_icon = 0;
    int m_paintedIcons = 0;
    std::vector<std::string> m_systemMenu;
};

MemoryHost::MemoryHost(Resources resources, std::unique_ptr<kestrow::MemoryDesktop> desktop)
    : m_resources(std::move(resources)), m_desktop(std::move(desktop)) {
    SetHost(this);
}

MemoryHost::~MemoryHost() {
    SetHost(nullptr);
}

void MemoryHost::Register(MemoryWindow* window) {
    m_windows.push_back(window);
}

void MemoryHost::Unregister(MemoryWindow* window) {
    std::erase(m_windows, window);
    for (MemoryWindow* child : m_windows) {
        if (child->m_parent == window)
            child->m_parent = nullptr;
    }
    if (m_focusWindow == window ||
        (m_focusWindow != nullptr && m_focusWindow->m_parent == nullptr &&
         !m_focusWindow->m_modal)) {
        m_focusWindow = nullptr;
        m_focusId = 0;
    }
}

MemoryWindow& MemoryHost::WindowOf(const CDialog& dialog) const {
    for (MemoryWindow* window : m_windows) {
        if (&window->m_dialog == &dialog)
            return *window;
    }
    throw std::logic_error("dialog has no window");
}

std::unique_ptr<MemoryWindow> MemoryHost::MakeWindow(CDialog& dialog, MemoryWindow* parent,
                                                     bool modal) {
    auto found = m_resources.dialogs.find(dialog.TemplateId());
    if (found == m_resources.dialogs.end())
        throw std::out_of_range("no dialog template " + std::to_string(dialog.TemplateId()));
    auto window = std::make_unique<MemoryWindow>(*this, dialog, found->second, parent, modal);
    dialog.AttachWindow(window.get());
    return window;
}

void MemoryHost::Initialise(CDialog& dialog, MemoryWindow& window) {
    if (dialog.OnInitDialog() && window.m_visible)
        window.FocusFirstTabStop();
    // An activated modal dialog whose initialisation placed no focus holds it itself.
    if (window.m_modal && m_focusWindow != &window) {
        m_focusWindow = &window;
        m_focusId = 0;
    }
}

void MemoryHost::OnNextModal(uitest::ModalBody body) {
    m_bodies.push_back(std::move(body));
}

int MemoryHost::RunModal(CDialog& dialog, CDialog* owner) {
    MemoryWindow* ownerWindow = owner != nullptr ? &WindowOf(*owner) : nullptr;
    MemoryWindow* focusBefore = m_focusWindow;
    int focusIdBefore = m_focusId;
    m_modalRuns.push_back(dialog.TemplateId());
    // As on Windows, a child window cannot be made without a parent.
    auto found = m_resources.dialogs.find(dialog.TemplateId());
    if (ownerWindow == nullptr && found != m_resources.dialogs.end() &&
        found->second.Has(style::kChild))
        return kNoEndCode;

    std::unique_ptr<MemoryWindow> window = MakeWindow(dialog, ownerWindow, true);
    window->m_visible = true;
    if (ownerWindow != nullptr)
        ownerWindow->m_enabled = false;
    Initialise(dialog, *window);

    if (!window->m_ended) {
        if (m_bodies.empty()) {
            dialog.OnClose();
        } else {
            uitest::ModalBody body = std::move(m_bodies.front());
            m_bodies.erase(m_bodies.begin());
            body(dialog);
        }
    }
    if (!window->m_ended)
        dialog.OnClose();
    int result = window->m_ended ? window->m_endCode : kIdCancel;

    if (ownerWindow != nullptr)
        ownerWindow->m_enabled = true;
    dialog.AttachWindow(nullptr);
    window.reset();
    if (std::find(m_windows.begin(), m_windows.end(), focusBefore) != m_windows.end()) {
        m_focusWindow = focusBefore;
        m_focusId = focusIdBefore;
    }
    return result;
}

std::unique_ptr<DialogWindow> MemoryHost::CreateChild(CDialog& dialog, CDialog& parent) {
    std::unique_ptr<MemoryWindow> window = MakeWindow(dialog, &WindowOf(parent), false);
    Initialise(dialog, *window);
    return window;
}

std::string MemoryHost::LoadStringResource(int id) {
    auto found = m_resources.strings.find(id);
    return found == m_resources.strings.end() ? std::string() : found->second;
}

// An icon's handle is its group's id; like the platform's, 0 for a missing icon.
IconHandle MemoryHost::LoadIconResource(int id) {
    return m_resources.icons.contains(id) ? static_cast<IconHandle>(id) : 0;
}

bool MemoryHost::Type(CDialog& dialog, int id, const std::string& text) {
    MemoryWindow& window = WindowOf(dialog);
    MemoryControl& control = window.Control(id);
    if (!window.Reachable() || !control.visible || !control.enabled ||
        control.kind != ControlKind::Edit || IsReadOnly(*control.tmpl))
        return false;
    window.FocusItem(id);
    control.text = text;
    control.textSelected = false;
    return true;
}

bool MemoryHost::Click(CDialog& dialog, int id) {
    MemoryWindow& window = WindowOf(dialog);
    MemoryControl& control = window.Control(id);
    if (!window.Reachable() || !control.visible || !control.enabled)
        return false;
    window.FocusItem(id);
    if (control.kind == ControlKind::CheckBox)
        control.checked = !control.checked;
    else if (control.kind == ControlKind::RadioButton)
        window.CheckRadio(id);
    dialog.OnCommand(id, kBnClicked);
    return true;
}

// The click takes the focus to the tabs first, even on the selected tab, which
// sends no notification.
bool MemoryHost::SelectTab(CDialog& dialog, int tabId, int index) {
    MemoryWindow& window = WindowOf(dialog);
    if (!window.Reachable())
        return false;
    window.FocusItem(tabId);
    if (window.Control(tabId).tabSelection == index)
        return false;
    window.SwitchTab(tabId, index);
    return window.Control(tabId).tabSelection == index;
}

MemoryWindow* MemoryHost::FocusModal() const {
    MemoryWindow* window = m_focusWindow;
    if (window == nullptr || !window->Reachable())
        return nullptr;
    while (!window->m_modal && window->m_parent != nullptr)
        window = window->m_parent;
    return window;
}

// Offered to the dialog that runs modally, from wherever in it the focus is.
void MemoryHost::PressAccessKey(char letter) {
    if (MemoryWindow* modal = FocusModal())
        modal->m_dialog.OnAccessKey(letter);
}

void MemoryHost::PressKey(DialogKey key, KeyModifiers modifiers) {
    MemoryWindow* window = m_focusWindow;
    if (window == nullptr || !window->Reachable())
        return;
    if (int step = TabSwitchStep(key, modifiers); step != 0) {
        FocusModal()->m_dialog.OnSwitchTabKey(step);
        return;
    }
    if (key != DialogKey::Enter && key != DialogKey::Escape)
        return; // moving the focus with Tab is not modelled here
    bool isPushButton = false;
    if (m_focusId != 0) {
        ControlKind kind = window->Control(m_focusId).kind;
        isPushButton = kind == ControlKind::PushButton || kind == ControlKind::DefPushButton;
    }
    int command = DialogKeyCommand(key, isPushButton ? m_focusId : 0, window->DefaultButton());
    window->m_dialog.OnCommand(command, kBnClicked);
}

void MemoryHost::SystemCommand(CDialog& dialog, unsigned id) {
    if (!WindowOf(dialog).Reachable() || dialog.OnSysCommand(id))
        return;
    MemoryWindow& window = WindowOf(dialog);
    if ((id & 0xFFF0) == kScMinimize)
        window.Show(ShowCommand::Minimize);
    else if ((id & 0xFFF0) == kScRestore)
        window.Show(ShowCommand::ShowNormal);
    else if ((id & 0xFFF0) == kScClose)
        dialog.OnClose();
}

void MemoryHost::Close(CDialog& dialog) {
    if (WindowOf(dialog).Reachable())
        dialog.OnClose();
}

void MemoryHost::Paint(CDialog& dialog) {
    dialog.OnPaint();
}

std::string MemoryHost::Text(const CDialog& dialog, int id) const {
    return WindowOf(dialog).Control(id).text;
}
std::string MemoryHost::AccessibleName(const CDialog& dialog, int id) const {
    const MemoryWindow& window = WindowOf(dialog);
    for (std::size_t index = window.IndexOf(id); index-- > 0;) {
        const MemoryControl& control = window.m_controls[index];
        if (control.kind == ControlKind::Static || control.kind == ControlKind::Icon)
            return WithoutAccessKeys(control.text);
    }
    return {};
}
bool MemoryHost::IsChecked(const CDialog& dialog, int id) const {
    return WindowOf(dialog).Control(id).checked;
}
bool MemoryHost::IsEnabled(const CDialog& dialog, int id) const {
    return WindowOf(dialog).Control(id).enabled;
}
bool MemoryHost::IsVisible(const CDialog& dialog, int id) const {
    return WindowOf(dialog).Control(id).visible;
}
bool MemoryHost::IsDialogVisible(const CDialog& dialog) const {
    return WindowOf(dialog).m_visible;
}
bool MemoryHost::IsDialogEnabled(const CDialog& dialog) const {
    return WindowOf(dialog).m_enabled;
}
bool MemoryHost::IsDialogIconic(const CDialog& dialog) const {
    return WindowOf(dialog).m_iconic;
}
bool MemoryHost::IsDialogTopmost(const CDialog& dialog) const {
    return WindowOf(dialog).m_topmost;
}
bool MemoryHost::IsTextSelected(const CDialog& dialog, int id) const {
    return WindowOf(dialog).Control(id).textSelected;
}
std::vector<std::string> MemoryHost::TabItems(const CDialog& dialog, int tabId) const {
    return WindowOf(dialog).Control(tabId).tabItems;
}
std::vector<std::string> MemoryHost::SystemMenuItems(const CDialog& dialog) const {
    return WindowOf(dialog).m_systemMenu;
}
IconHandle MemoryHost::Icon(const CDialog& dialog) const {
    return WindowOf(dialog).m_icon;
}
int MemoryHost::PaintedIcons(const CDialog& dialog) const {
    return WindowOf(dialog).m_paintedIcons;
}
CDialog* MemoryHost::FocusDialog() const {
    return m_focusWindow != nullptr ? &m_focusWindow->m_dialog : nullptr;
}
int MemoryHost::FocusId() const {
    return m_focusId;
}

} // namespace ui
