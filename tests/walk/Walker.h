#pragma once

#include "WalkGenerator.h"
#include "WalkOracle.h"
#include "WalkStep.h"

#include "link/Desktop.h"
#include "ui/WindowHost.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDialog;
class CMainDlg;
namespace ui {
class MemoryHost;
}

namespace walk {

using HostFactory = std::function<std::unique_ptr<ui::MemoryHost>()>;

struct WalkFailure {
    std::size_t step; // how many steps had run, counted from the start of the walk
    std::string check;
    std::string detail;
};

struct WalkCounts {
    std::size_t steps = 0;
    std::size_t refused = 0; // steps a user could not have done at that moment
    std::size_t sessions = 0;
    std::size_t messages = 0;
    std::size_t rejectedFields = 0;
    std::size_t published = 0;
    std::size_t delivered = 0;
    std::size_t deliveredOverTyping = 0; // with text left typed in the editor's command line
    std::size_t clipboardBusy = 0;       // Apply gave up on a clipboard held elsewhere
    std::size_t tabKeys = 0;             // pages switched by the keyboard
    std::size_t aboutRuns = 0;
    std::size_t remoteRuns = 0;
};

// Drives the main window on a fresh in-memory host step by step, in sessions
// that last until a step ends the program, and checks after every step what
// must always hold: the pending command's two states, the messages and where
// the focus lands, the texts the user typed, and the windows under a modal one.
// Stops at the first step that breaks one of them.
class Walker {
public:
    explicit Walker(HostFactory makeHost);
    ~Walker();
    Walker(const Walker&) = delete;
    Walker& operator=(const Walker&) = delete;

    bool RunRandom(std::uint64_t seed, std::size_t steps);
    bool Replay(const std::vector<Step>& steps);

    const std::optional<WalkFailure>& Failure() const { return m_failure; }
    const WalkCounts& Counts() const { return m_counts; }
    // The steps of the session running, or of the one that failed: each session
    // starts afresh, so these alone replay the failure.
    const std::vector<Step>& SessionSteps() const { return m_session; }

private:
    struct OpenModal {
        Role role;
        CDialog* dialog;
    };
    struct Plan;
    struct Before;

    void Run();
    bool MoreSteps() const;
    Step NextStep();
    void RunSession();
    void StartSession();
    void Loop();
    void QueueModalScript();
    void OnModalOpened(CDialog& dialog);
    void RunStep(const Step& step);
    bool Execute(const Step& step);

    Plan PlanStep(const Step& step);
    Plan PlanCommand(Role role, int id, bool byClick);
    void PlanApply(Plan& plan, Role button);
    Plan PlanCalculation(Role role, int cmdId);
    Plan PlanSwap(int id);
    Plan PlanToggle(int id);

    void Check(const Step& step, const Plan& plan, bool accepted, const Before& before);
    bool CheckMessages(const Plan& plan);
    bool CheckPending(const Plan& plan, const Before& before);
    bool CheckPendingShape();
    bool CheckTexts(const Step& step, const Plan& plan, bool accepted);
    bool CheckWindows();
    bool CheckToggle(const Plan& plan);
    bool CheckEditorLink(const Plan& plan, const Before& before);
    void Fail(const std::string& check, const std::string& detail);

    CDialog* PageDialog(int index) const;
    CDialog* Resolve(Role role) const;
    std::optional<Role> RoleOf(const CDialog* dialog) const;
    bool Reachable(Role role) const;
    std::string Text(Role role, int id) const;
    std::vector<std::string> ExecutedInEditor() const;
    WalkView View() const;

    HostFactory m_makeHost;
    std::optional<StepGenerator> m_generator;
    std::size_t m_toGenerate = 0;
    const std::vector<Step>* m_replay = nullptr;
    std::size_t m_replayNext = 0;

    std::vector<Step> m_session;
    std::optional<WalkFailure> m_failure;
    WalkCounts m_counts;

    // The session running now.
    ui::MemoryHost* m_host = nullptr;
    CMainDlg* m_main = nullptr;
    std::vector<OpenModal> m_modals;
    bool m_scriptQueued = false;
    bool m_ended = false;
    int m_endCode = 0;
    int m_selectedTab = 0;
    bool m_pageEscaped = false;
    bool m_iconic = false;
    int m_editor = 0; // 0 not running, 1 log window only, 2 with its command line
    kestrow::WindowRef m_logWindow = 0;
    kestrow::WindowRef m_commandLine = 0;
    // Another program holds the clipboard until the desktop's clock reaches this.
    std::chrono::milliseconds m_clipboardHeldUntil{0};
    std::array<std::map<int, std::string>, 4> m_typed;
    std::array<std::map<int, std::string>, 4> m_results;
};

// Cuts the steps down by dropping steps for as long as the same check still
// fails, within the time given; returns the shortest list found.
std::vector<Step> Shrink(const HostFactory& makeHost, std::vector<Step> steps,
                         const std::string& check, double seconds);

} // namespace walk
