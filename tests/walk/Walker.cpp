#include "Walker.h"

#include "WalkPlan.h"

#include "app/MainDlg.h"
#include "pages/BevelScalePage.h"
#include "pages/FloorScalePage.h"
#include "pages/PillarWrapPage.h"
#include "pages/TextureSkewPage.h"
#include "res/resource.h"
#include "tests/support/MemoryHost.h"

#include <utility>

namespace walk {

namespace {
constexpr const char* kOtherProgramsClipboard = "clipboard text of another program";
} // namespace

Walker::Walker(HostFactory makeHost) : m_makeHost(std::move(makeHost)) {}
Walker::~Walker() = default;

bool Walker::RunRandom(std::uint64_t seed, std::size_t steps) {
    m_generator.emplace(seed);
    m_toGenerate = steps;
    Run();
    return !m_failure;
}

bool Walker::Replay(const std::vector<Step>& steps) {
    m_replay = &steps;
    m_replayNext = 0;
    Run();
    m_replay = nullptr;
    return !m_failure;
}

void Walker::Run() {
    while (!m_failure && MoreSteps())
        RunSession();
}

bool Walker::MoreSteps() const {
    if (m_replay != nullptr)
        return m_replayNext < m_replay->size();
    return m_toGenerate > 0;
}

Step Walker::NextStep() {
    if (m_replay != nullptr)
        return (*m_replay)[m_replayNext++];
    --m_toGenerate;
    return m_generator->Next(View());
}

WalkView Walker::View() const {
    WalkView view;
    if (!m_modals.empty())
        view.modal = m_modals.back().role;
    view.selectedTab = m_selectedTab;
    view.mainIconic = m_iconic;
    view.focusRole = RoleOf(m_host->FocusDialog());
    view.focusId = m_host->FocusId();
    return view;
}

void Walker::RunSession() {
    std::unique_ptr<ui::MemoryHost> host = m_makeHost();
    m_host = host.get();
    m_session.clear();
    ++m_counts.sessions;
    m_modals.clear();
    m_scriptQueued = false;
    m_ended = false;
    m_endCode = ui::kIdCancel; // what closing the window at the end of the steps gives
    m_selectedTab = 0;
    m_pageEscaped = false;
    m_iconic = false;
    m_editor = 0;
    m_clipboardHeldUntil = std::chrono::milliseconds{0};
    m_host->SetClipboard(kOtherProgramsClipboard);
    {
        CMainDlg dlg(m_host->Desktop());
        m_main = &dlg;
        ui::SetMainWindow(&dlg);
        m_host->OnNextModal([this](CDialog&) {
            StartSession();
            Loop();
        });
        const int result = dlg.DoModal();
        if (!m_failure && result != m_endCode)
            Fail("windows", "the main window ended with " + std::to_string(result) + ", expected " +
                                std::to_string(m_endCode));
        ui::SetMainWindow(nullptr);
        m_main = nullptr;
    }
    m_host = nullptr;
}

void Walker::StartSession() {
    for (int index = 0; index < 4; ++index) {
        const PageSpec& spec = Pages()[static_cast<std::size_t>(index)];
        m_typed[static_cast<std::size_t>(index)].clear();
        m_results[static_cast<std::size_t>(index)].clear();
        for (int id : TypedFields(spec))
            m_typed[static_cast<std::size_t>(index)][id] = Text(spec.role, id);
        for (int id : ResultFields(spec))
            m_results[static_cast<std::size_t>(index)][id] = Text(spec.role, id);
    }
    if (Text(Role::Main, IDC_MAIN_COMMAND) != "" ||
        Text(Role::Main, IDC_MAIN_CMD_LABEL) != kNothingPending)
        Fail("pending command", "a command is pending at start");
    else if (m_host->FocusDialog() != m_main || m_host->FocusId() != IDC_MAIN_COMMAND)
        Fail("windows", "the focus is not in the command box at start");
    else
        CheckPendingShape() && CheckWindows();
}

void Walker::Loop() {
    const std::size_t depth = m_modals.size();
    while (!m_failure && MoreSteps()) {
        if (depth > 0 && !m_host->IsDialogVisible(*m_modals.back().dialog))
            return;
        if (depth == 0 && m_ended)
            return;
        QueueModalScript();
        const Step step = NextStep();
        m_session.push_back(step);
        ++m_counts.steps;
        RunStep(step);
    }
}

// A modal window the next step opens runs the walk inside it.
void Walker::QueueModalScript() {
    if (m_scriptQueued)
        return;
    m_scriptQueued = true;
    m_host->OnNextModal([this](CDialog& dialog) {
        m_scriptQueued = false;
        OnModalOpened(dialog);
        Loop();
        m_modals.pop_back();
    });
}

void Walker::OnModalOpened(CDialog& dialog) {
    const Role role = dialog.TemplateId() == IDD_REMOTE ? Role::Remote : Role::About;
    m_modals.push_back({role, &dialog});
    if (m_failure)
        return;
    if (m_host->IsDialogEnabled(*m_main)) {
        Fail("windows", std::string(RoleName(role)) + " opened over an enabled main window");
        return;
    }
    if (role == Role::About) {
        ++m_counts.aboutRuns;
        if (m_host->FocusDialog() != &dialog || m_host->FocusId() != ui::kIdOk)
            Fail("windows", "the about box opened without the focus on OK");
        return;
    }
    ++m_counts.remoteRuns;
    const std::string label = Text(Role::Main, IDC_MAIN_CMD_LABEL);
    if (Text(Role::Main, IDC_MAIN_COMMAND).empty())
        Fail("pending command", "the remote window opened with no command pending");
    else if (label.rfind("CMD: ", 0) != 0 ||
             Text(Role::Remote, IDC_REMOTE_APPLY) != label.substr(5))
        Fail("windows", "the remote window's button reads " +
                            ShownText(Text(Role::Remote, IDC_REMOTE_APPLY)) + " for the label " +
                            ShownText(label));
    else if (!m_host->IsDialogIconic(*m_main) || !m_host->IsDialogTopmost(dialog))
        Fail("windows", "the remote window opened without minimising the main window or "
                        "staying on top");
}

void Walker::RunStep(const Step& step) {
    Before before{Text(Role::Main, IDC_MAIN_COMMAND),
                  Text(Role::Main, IDC_MAIN_CMD_LABEL),
                  m_host->Clipboard(),
                  m_host->Desktop().PostedMessages().size(),
                  m_host->Desktop().Now(),
                  ExecutedInEditor(),
                  m_editor == 2 ? m_host->Typed(m_commandLine) : std::string()};
    m_host->ClearMessageBoxes();
    const Plan plan = PlanStep(step);
    const bool accepted = Execute(step);
    if (!accepted)
        ++m_counts.refused;
    if (!m_failure)
        Check(step, accepted ? plan : Plan{}, accepted, before);
    m_host->ClearMessageBoxes();
}

bool Walker::Execute(const Step& step) {
    CDialog* dialog = Resolve(step.role);
    switch (step.action) {
    case Action::Type:
        return dialog != nullptr && m_host->Type(*dialog, step.id, step.text);
    case Action::Click:
        return dialog != nullptr && m_host->Click(*dialog, step.id);
    case Action::SelectTab:
        return m_host->SelectTab(*m_main, IDC_MAIN_TABS, step.id);
    case Action::Key: {
        const std::optional<Role> focus = RoleOf(m_host->FocusDialog());
        const bool reachable = focus && Reachable(*focus);
        const KeyPress press = PressOf(step.id);
        m_host->PressKey(press.key, press.modifiers);
        return reachable;
    }
    case Action::SysCommand: {
        const bool reachable = Reachable(Role::Main);
        m_host->SystemCommand(*m_main, static_cast<unsigned>(step.id));
        return reachable;
    }
    case Action::Close: {
        const bool reachable = dialog != nullptr && Reachable(step.role);
        if (dialog != nullptr)
            m_host->Close(*dialog);
        return reachable;
    }
    case Action::StartEditor:
        if (m_editor == 0) {
            m_logWindow = m_host->AddTopLevelWindow("Unreal Log Window");
            m_editor = 1;
        }
        if (m_editor == 1 && step.id != 0) {
            m_commandLine = m_host->AddCommandLine(m_logWindow, uitest::kEveryKind[step.id - 1]);
            m_editor = 2;
        }
        return true;
    case Action::TypeInEditor:
        if (m_editor != 2)
            return false;
        m_host->TypeInto(m_commandLine, step.text);
        return true;
    case Action::HoldClipboard:
        if (step.id == kUntilLetGo) {
            m_host->HoldClipboard();
            m_clipboardHeldUntil = std::chrono::milliseconds::max();
        } else {
            m_host->Desktop().HoldClipboard(std::chrono::milliseconds(step.id));
            m_clipboardHeldUntil = m_host->Desktop().Now() + std::chrono::milliseconds(step.id);
        }
        return true;
    case Action::LetGoOfClipboard:
        m_host->LetGoOfClipboard();
        m_clipboardHeldUntil = m_host->Desktop().Now();
        return true;
    }
    return false;
}

void Walker::Fail(const std::string& check, const std::string& detail) {
    if (!m_failure)
        m_failure = WalkFailure{m_counts.steps, check, detail};
}

std::vector<std::string> Walker::ExecutedInEditor() const {
    return m_editor == 2 ? m_host->Executed(m_commandLine) : std::vector<std::string>{};
}

CDialog* Walker::PageDialog(int index) const {
    switch (index) {
    case 0:
        return m_main->PillarWrapPage();
    case 1:
        return m_main->BevelScalePage();
    case 2:
        return m_main->FloorScalePage();
    case 3:
        return m_main->TextureSkewPage();
    default:
        return nullptr;
    }
}

CDialog* Walker::Resolve(Role role) const {
    if (role == Role::Main)
        return m_main;
    if (IsPage(role))
        return PageDialog(PageIndex(role));
    for (auto it = m_modals.rbegin(); it != m_modals.rend(); ++it) {
        if (it->role == role)
            return it->dialog;
    }
    return nullptr;
}

std::optional<Role> Walker::RoleOf(const CDialog* dialog) const {
    if (dialog == nullptr)
        return std::nullopt;
    if (dialog == m_main)
        return Role::Main;
    for (int index = 0; index < 4; ++index) {
        if (dialog == PageDialog(index))
            return PageRole(index);
    }
    for (const OpenModal& modal : m_modals) {
        if (dialog == modal.dialog)
            return modal.role;
    }
    return std::nullopt;
}

bool Walker::Reachable(Role role) const {
    const CDialog* dialog = Resolve(role);
    if (dialog == nullptr || !dialog->HasWindow() || !m_host->IsDialogVisible(*dialog) ||
        !m_host->IsDialogEnabled(*dialog))
        return false;
    return !IsPage(role) || Reachable(Role::Main);
}

std::string Walker::Text(Role role, int id) const {
    const CDialog* dialog = Resolve(role);
    return dialog != nullptr && dialog->HasWindow() ? m_host->Text(*dialog, id) : std::string();
}

} // namespace walk
