#include "WalkPlan.h"

#include "app/AboutTexts.h"
#include "app/MainDlg.h"
#include "link/EditorDelivery.h"
#include "pages/BevelScalePage.h"
#include "pages/FloorScalePage.h"
#include "pages/PillarWrapPage.h"
#include "pages/TextureSkewPage.h"
#include "res/resource.h"
#include "tests/support/MemoryHost.h"

#include <utility>

namespace walk {

namespace {
constexpr unsigned kScMinimize = 0xF020;
constexpr unsigned kScRestore = 0xF120;
constexpr unsigned kScClose = 0xF060;
} // namespace

const std::regex& PanPattern(char axis) {
    static const std::regex u("POLY TEXPAN U=-?[0-9]+");
    static const std::regex v("POLY TEXPAN V=-?[0-9]+");
    return axis == 'U' ? u : v;
}
const std::regex& ScalePattern() {
    static const std::regex pattern("POLY TEXSCALE UU=[0-9]+\\.[0-9]{6} VV=[0-9]+\\.[0-9]{6}");
    return pattern;
}
const std::regex& SkewPattern(bool horz, bool vert) {
    static const std::regex both("POLY TEXSCALE UU=[0-9]+\\.[0-9]{4} VV=[0-9]+\\.[0-9]{4} "
                                 "UV=-?[0-9]+\\.[0-9]{4} VU=-?[0-9]+\\.[0-9]{4}");
    static const std::regex horzOnly("POLY TEXSCALE UU=[0-9]+\\.[0-9]{6} UV=-?[0-9]+\\.[0-9]{6}");
    static const std::regex vertOnly("POLY TEXSCALE VV=[0-9]+\\.[0-9]{6} VU=-?[0-9]+\\.[0-9]{6}");
    return horz && vert ? both : horz ? horzOnly : vertOnly;
}

KeyPress PressOf(int key) {
    constexpr ui::KeyModifiers ctrl{true, false, false};
    switch (key) {
    case kEnter:
        return {ui::DialogKey::Enter, {}, 0};
    case kEscape:
        return {ui::DialogKey::Escape, {}, 0};
    case kCtrlTab:
        return {ui::DialogKey::Tab, ctrl, 1};
    case kCtrlShiftTab:
        return {ui::DialogKey::Tab, {true, true, false}, -1};
    case kCtrlPageDown:
        return {ui::DialogKey::PageDown, ctrl, 1};
    default:
        return {ui::DialogKey::PageUp, ctrl, -1};
    }
}

std::vector<const std::regex*> PatternsOf(const std::string& label) {
    if (label == "CMD: Simple Pan" || label == "CMD: Best Pan")
        return {&PanPattern('U'), &PanPattern('V')};
    if (label == "CMD: Best Scale" || label == "CMD: Bevel Scale" || label == "CMD: Floor Scale")
        return {&ScalePattern()};
    if (label == "CMD: Texture Skew")
        return {&SkewPattern(true, true), &SkewPattern(true, false), &SkewPattern(false, true)};
    return {};
}

Walker::Plan Walker::PlanStep(const Step& step) {
    Plan plan;
    switch (step.action) {
    case Action::Click:
        return PlanCommand(step.role, step.id, true);
    case Action::Key: {
        const std::optional<Role> focus = RoleOf(m_host->FocusDialog());
        if (!focus)
            return plan;
        const KeyPress press = PressOf(step.id);
        if (press.tabStep != 0) {
            // The main window switches from anywhere in it; a window over it has no tabs.
            if (*focus == Role::Main || IsPage(*focus)) {
                plan.pending = Plan::Pending::Cleared;
                plan.tabAfter = (m_selectedTab + press.tabStep + 4) % 4;
            }
            return plan;
        }
        const int focusId = m_host->FocusId();
        const int command = ui::DialogKeyCommand(
            press.key, IsPushButton(*focus, focusId) ? focusId : 0, DefaultButton(*focus));
        return PlanCommand(*focus, command, false);
    }
    case Action::SelectTab:
        plan.pending = Plan::Pending::Cleared;
        plan.tabAfter = step.id;
        return plan;
    case Action::SysCommand: {
        const unsigned command = static_cast<unsigned>(step.id) & 0xFFF0;
        if (command == IDM_ABOUTBOX)
            plan.opensModal = true;
        else if (command == kScMinimize)
            plan.iconicAfter = true;
        else if (command == kScRestore)
            plan.iconicAfter = false;
        else if (command == kScClose)
            plan.endCode = ui::kIdCancel;
        return plan;
    }
    case Action::Close:
        if (step.role == Role::Main)
            plan.endCode = ui::kIdCancel;
        return plan;
    default:
        return plan;
    }
}

Walker::Plan Walker::PlanCommand(Role role, int id, bool byClick) {
    Plan plan;
    switch (role) {
    case Role::Main:
        if (id == IDC_MAIN_APPLY)
            PlanApply(plan, Role::Main);
        plan.opensModal = id == IDC_MAIN_REMOTE;
        if (plan.opensModal)
            plan.iconicAfter = false; // restored when the remote window closes
        if (id == ui::kIdOk || id == ui::kIdCancel)
            plan.endCode = id;
        return plan;
    case Role::About:
        if (id == IDC_ABOUT_CREDITS)
            plan.messages.push_back({Role::About, kCreditsText, kCreditsCaption});
        else if (id == IDC_ABOUT_REV_HISTORY)
            plan.messages.push_back({Role::About, kRevHistoryText, kRevHistoryCaption});
        return plan;
    case Role::Remote:
        if (id == IDC_REMOTE_APPLY)
            PlanApply(plan, Role::Remote);
        return plan;
    default:
        break;
    }
    if (FindCmd(Page(role), id) != nullptr)
        return PlanCalculation(role, id);
    if (role == Role::FloorScale &&
        (id == IDC_FS_SWAP_SIZE || id == IDC_FS_SWAP_STRETCH || id == IDC_FS_SWAP_LENGTHS))
        return PlanSwap(id);
    if (role == Role::TextureSkew && byClick && (id == IDC_TS_HORZ_SKEW || id == IDC_TS_VERT_SKEW))
        return PlanToggle(id);
    plan.escapesPage = id == ui::kIdCancel;
    return plan;
}

// The retries pause for the patience at most, and the hold counts those pauses:
// only a hold that outlasts them all keeps the command from the editor.
void Walker::PlanApply(Plan& plan, Role button) {
    plan.apply = true;
    const bool delivers = !Text(Role::Main, IDC_MAIN_COMMAND).empty() && m_editor == 2;
    plan.clipboardBusy =
        delivers && m_clipboardHeldUntil > m_host->Desktop().Now() + kestrow::kClipboardPatience;
    if (plan.clipboardBusy)
        plan.messages.push_back({button, ClipboardBusyText(), AppCaption()});
}

Walker::Plan Walker::PlanCalculation(Role role, int cmdId) {
    Plan plan;
    const PageSpec& spec = Page(role);
    if (role == Role::TextureSkew) {
        const CTextureSkewPage& page = *m_main->TextureSkewPage();
        if (page.m_bHorzSkew == 0 && page.m_bVertSkew == 0)
            return plan; // neither group on as the page stands: Cmd does nothing
    }
    const Reading reading = ReadPage(
        spec, [&](int id) { return Text(role, id); }, true);
    plan.messages = reading.messages;
    if (reading.rejectedField != 0) {
        plan.rejectedPage = role;
        plan.rejectedField = reading.rejectedField;
        plan.pending = Plan::Pending::Cleared;
        return plan;
    }
    plan.pending = Plan::Pending::Published;
    plan.label = FindCmd(spec, cmdId)->label;
    switch (role) {
    case Role::PillarWrap:
        plan.pattern =
            cmdId == IDC_PW_CMD_BEST_SCALE
                ? &ScalePattern()
                : &PanPattern(m_host->IsChecked(*PageDialog(0), IDC_PW_APPLY_U) ? 'U' : 'V');
        break;
    case Role::TextureSkew: {
        const bool horz = m_host->IsChecked(*PageDialog(3), IDC_TS_HORZ_SKEW);
        const bool vert = m_host->IsChecked(*PageDialog(3), IDC_TS_VERT_SKEW);
        if (!horz && !vert)
            plan.pending = Plan::Pending::Cleared; // nothing to apply: nothing stays offered
        else
            plan.pattern = &SkewPattern(horz, vert);
        break;
    }
    default:
        plan.pattern = &ScalePattern();
        break;
    }
    if (spec.showsResults) {
        plan.rewritePage = PageIndex(role);
        for (const NumberField& field : spec.numbers) {
            if (!field.isResult)
                plan.rewrite[field.id] = WrittenBack(field, Text(role, field.id));
        }
        plan.resultsChange = true;
    }
    return plan;
}

Walker::Plan Walker::PlanSwap(int id) {
    Plan plan;
    const PageSpec& spec = Page(Role::FloorScale);
    const Reading reading = ReadPage(
        spec, [&](int field) { return Text(Role::FloorScale, field); }, false);
    plan.messages = reading.messages;
    if (reading.rejectedField != 0) {
        plan.rejectedPage = Role::FloorScale;
        plan.rejectedField = reading.rejectedField;
        return plan;
    }
    plan.rewritePage = PageIndex(Role::FloorScale);
    for (const NumberField& field : spec.numbers)
        plan.rewrite[field.id] = WrittenBack(field, Text(Role::FloorScale, field.id));
    for (const ExpressionField& field : spec.expressions)
        plan.rewrite[field.id] = Text(Role::FloorScale, field.id);
    const std::pair<int, int> pair =
        id == IDC_FS_SWAP_SIZE      ? std::pair(IDC_FS_TEXWIDTH, IDC_FS_TEXHEIGHT)
        : id == IDC_FS_SWAP_STRETCH ? std::pair(IDC_FS_STRETCH_X, IDC_FS_STRETCH_Y)
                                    : std::pair(IDC_FS_LENGTH_X, IDC_FS_LENGTH_Y);
    std::swap(plan.rewrite[pair.first], plan.rewrite[pair.second]);
    return plan;
}

// The box changes before the handler runs. The handler reads the page, sets the
// group's controls, hands "on" to the other group when both would be off, and
// calculates once for each handler that ran, to validate.
Walker::Plan Walker::PlanToggle(int id) {
    Plan plan;
    const PageSpec& spec = Page(Role::TextureSkew);
    const auto textOf = [&](int field) { return Text(Role::TextureSkew, field); };
    const Reading numbers = ReadPage(spec, textOf, false);
    if (!numbers.numbersRead) {
        plan.messages = numbers.messages;
        plan.rejectedPage = Role::TextureSkew;
        plan.rejectedField = numbers.rejectedField;
        return plan;
    }
    CDialog& page = *PageDialog(3);
    plan.horzOn = m_host->IsChecked(page, IDC_TS_HORZ_SKEW) != (id == IDC_TS_HORZ_SKEW);
    plan.vertOn = m_host->IsChecked(page, IDC_TS_VERT_SKEW) != (id == IDC_TS_VERT_SKEW);
    const bool handover = !plan.horzOn && !plan.vertOn;
    plan.horzSet = id == IDC_TS_HORZ_SKEW || handover;
    plan.vertSet = id == IDC_TS_VERT_SKEW || handover;
    if (handover) {
        (id == IDC_TS_HORZ_SKEW ? plan.vertOn : plan.horzOn) = true;
        plan.rewritePage = PageIndex(Role::TextureSkew);
        for (const NumberField& field : spec.numbers)
            plan.rewrite[field.id] = WrittenBack(field, textOf(field.id));
        for (const ExpressionField& field : spec.expressions)
            plan.rewrite[field.id] = textOf(field.id);
    }
    plan.toggleCompletes = true;
    const Reading full = ReadPage(spec, textOf, true);
    plan.messages = full.messages;
    if (handover)
        plan.messages.insert(plan.messages.end(), full.messages.begin(), full.messages.end());
    plan.rejectedPage = Role::TextureSkew;
    plan.rejectedField = full.rejectedField;
    return plan;
}

} // namespace walk
