#include "WalkPlan.h"

#include "app/MainDlg.h"
#include "link/EditorDelivery.h"
#include "pages/BevelScalePage.h"
#include "pages/FloorScalePage.h"
#include "pages/PillarWrapPage.h"
#include "pages/TextureSkewPage.h"
#include "res/resource.h"
#include "tests/support/MemoryHost.h"

#include <array>
#include <tuple>

namespace walk {

namespace {

std::string Where(Role role, int id) {
    return std::string(RoleName(role)) + " " + std::to_string(id);
}

std::string MessageList(const std::vector<ShownMessage>& messages) {
    if (messages.empty())
        return "(none)";
    std::string out;
    for (const ShownMessage& m : messages)
        out += "\n      " + std::string(RoleName(m.owner)) + ": " + ShownText(m.text) + " [" +
               m.caption + "]";
    return out;
}

const std::array<int, 4> kHorzGroup = {IDC_TS_HORZ_NEGATE, IDC_TS_HORZ_RISE, IDC_TS_HORZ_RUN,
                                       IDC_TS_HORZ_SCALE};
const std::array<int, 4> kVertGroup = {IDC_TS_VERT_NEGATE, IDC_TS_VERT_RISE, IDC_TS_VERT_RUN,
                                       IDC_TS_VERT_SCALE};

} // namespace

void Walker::Check(const Step& step, const Plan& plan, bool accepted, const Before& before) {
    m_counts.messages += m_host->MessageBoxes().size();
    if (!CheckMessages(plan))
        return;
    if (plan.rejectedField != 0) {
        ++m_counts.rejectedFields;
        // A field disabled by then (a skew group turned off), or one in a minimised
        // window, cannot take the focus.
        const CDialog* page = PageDialog(PageIndex(plan.rejectedPage));
        if (m_host->IsEnabled(*page, plan.rejectedField) && !m_host->IsDialogIconic(*m_main) &&
            (m_host->FocusDialog() != page || m_host->FocusId() != plan.rejectedField)) {
            const std::optional<Role> focus = RoleOf(m_host->FocusDialog());
            Fail("focus", "after rejecting " + Where(plan.rejectedPage, plan.rejectedField) +
                              " the focus is on " +
                              (focus ? Where(*focus, m_host->FocusId()) : std::string("nothing")));
            return;
        }
    }
    const bool ended = !m_host->IsDialogVisible(*m_main);
    if (plan.endCode) {
        if (!ended) {
            Fail("windows", "the step should have ended the program");
        } else {
            m_ended = true;
            m_endCode = *plan.endCode;
            if (step.action != Action::Key && plan.endCode == ui::kIdCancel &&
                m_main->PillarWrapPage() != nullptr)
                Fail("windows", "closing the main window left its pages");
        }
        return;
    }
    if (ended) {
        Fail("windows", "the main window ended");
        return;
    }
    if (plan.tabAfter && accepted) {
        m_selectedTab = *plan.tabAfter;
        m_pageEscaped = false;
        if (step.action == Action::Key)
            ++m_counts.tabKeys;
        if (!m_host->IsDialogIconic(*m_main) &&
            (m_host->FocusDialog() != m_main || m_host->FocusId() != IDC_MAIN_TABS)) {
            const std::optional<Role> focus = RoleOf(m_host->FocusDialog());
            Fail("focus", "after switching to tab " + std::to_string(m_selectedTab) +
                              " the focus is on " +
                              (focus ? Where(*focus, m_host->FocusId()) : std::string("nothing")));
            return;
        }
    }
    if (plan.escapesPage)
        m_pageEscaped = true;
    if (plan.iconicAfter)
        m_iconic = *plan.iconicAfter;
    if (plan.pending == Plan::Pending::Published)
        ++m_counts.published;
    if (CheckPending(plan, before) && CheckTexts(step, plan, accepted) && CheckWindows() &&
        CheckToggle(plan))
        CheckEditorLink(plan, before);
}

bool Walker::CheckMessages(const Plan& plan) {
    std::vector<ShownMessage> shown;
    for (const uitest::MessageBoxRecord& record : m_host->MessageBoxes()) {
        const std::optional<Role> owner = RoleOf(record.owner);
        if (!owner) {
            Fail("messages", "a message box without an owner of ours: " + ShownText(record.text));
            return false;
        }
        if (!IsOwnMessage(record.text)) {
            Fail("messages",
                 "a message that is not one of the program's own: " + ShownText(record.text));
            return false;
        }
        shown.push_back({*owner, record.text, record.caption});
    }
    if (shown != plan.messages) {
        Fail("messages",
             "shown:" + MessageList(shown) + "\n    expected:" + MessageList(plan.messages));
        return false;
    }
    return true;
}

bool Walker::CheckPendingShape() {
    const std::string command = Text(Role::Main, IDC_MAIN_COMMAND);
    const std::string label = Text(Role::Main, IDC_MAIN_CMD_LABEL);
    const bool apply = m_host->IsEnabled(*m_main, IDC_MAIN_APPLY);
    const bool remote = m_host->IsEnabled(*m_main, IDC_MAIN_REMOTE);
    bool sound = false;
    if (command.empty()) {
        sound = label == kNothingPending && !apply && !remote;
    } else if (apply && remote) {
        for (const std::regex* pattern : PatternsOf(label))
            sound = sound || std::regex_match(command, *pattern);
    }
    if (!sound)
        Fail("pending command", "command " + ShownText(command) + ", label " + ShownText(label) +
                                    ", Apply " + (apply ? "enabled" : "disabled") + ", Remote... " +
                                    (remote ? "enabled" : "disabled"));
    return sound;
}

bool Walker::CheckPending(const Plan& plan, const Before& before) {
    if (!CheckPendingShape())
        return false;
    const std::string command = Text(Role::Main, IDC_MAIN_COMMAND);
    const std::string label = Text(Role::Main, IDC_MAIN_CMD_LABEL);
    std::string expected;
    bool ok = true;
    switch (plan.pending) {
    case Plan::Pending::Unchanged:
        ok = command == before.command && label == before.label;
        expected = "unchanged";
        break;
    case Plan::Pending::Cleared:
        ok = command.empty();
        expected = "cleared";
        break;
    case Plan::Pending::Published:
        ok = label == plan.label && std::regex_match(command, *plan.pattern);
        expected = "published under " + ShownText(plan.label);
        break;
    }
    if (!ok)
        Fail("pending command", "expected " + expected + ", was " + ShownText(before.command) +
                                    " now " + ShownText(command) + " under " + ShownText(label));
    return ok;
}

// What a user typed stays as typed, except where the page writes a number field
// back from its member (the same number in the framework's format) or a Swap
// trades two fields. Result fields change only with a calculation that shows them.
bool Walker::CheckTexts(const Step& step, const Plan& plan, bool accepted) {
    if (accepted && step.action == Action::Type && IsPage(step.role)) {
        auto& typed = m_typed[static_cast<std::size_t>(PageIndex(step.role))];
        if (typed.count(step.id) != 0)
            typed[step.id] = step.text;
    }
    for (int index = 0; index < 4; ++index) {
        const Role role = PageRole(index);
        for (auto& [id, expected] : m_typed[static_cast<std::size_t>(index)]) {
            if (plan.rewritePage == index) {
                auto rewritten = plan.rewrite.find(id);
                if (rewritten != plan.rewrite.end())
                    expected = rewritten->second;
            }
            const std::string actual = Text(role, id);
            if (actual != expected) {
                Fail("typed text", Where(role, id) + " should read " + ShownText(expected) +
                                       ", reads " + ShownText(actual));
                return false;
            }
        }
        for (auto& [id, shown] : m_results[static_cast<std::size_t>(index)]) {
            const std::string actual = Text(role, id);
            if (plan.resultsChange && plan.rewritePage == index) {
                shown = actual;
            } else if (actual != shown) {
                Fail("typed text", "result " + Where(role, id) + " changed from " +
                                       ShownText(shown) + " to " + ShownText(actual));
                return false;
            }
        }
    }
    return true;
}

bool Walker::CheckWindows() {
    const CDialog* focus = m_host->FocusDialog();
    if (focus != nullptr && !RoleOf(focus)) {
        Fail("windows", "the focus is in a window that is not ours");
        return false;
    }
    const bool modalOpen = !m_modals.empty() && m_host->IsDialogVisible(*m_modals.back().dialog);
    if (modalOpen) {
        const OpenModal& modal = m_modals.back();
        if (m_host->IsDialogEnabled(*m_main) || !m_host->IsDialogEnabled(*modal.dialog)) {
            Fail("windows",
                 std::string("the main window is enabled under the ") + RoleName(modal.role));
            return false;
        }
        if (focus != modal.dialog) {
            Fail("windows", std::string("the focus left the ") + RoleName(modal.role));
            return false;
        }
        if (modal.role == Role::Remote &&
            (!m_host->IsDialogIconic(*m_main) || !m_host->IsDialogTopmost(*modal.dialog))) {
            Fail("windows", "the main window is back while the remote window is open");
            return false;
        }
    } else if (m_modals.empty()) {
        if (!m_host->IsDialogEnabled(*m_main)) {
            Fail("windows", "the main window is left disabled");
            return false;
        }
        if (m_host->IsDialogIconic(*m_main) != m_iconic) {
            Fail("windows", m_iconic ? "the main window is not minimised"
                                     : "the main window is left minimised");
            return false;
        }
    }
    for (int index = 0; index < 4; ++index) {
        CDialog* page = PageDialog(index);
        if (page == nullptr || !page->HasWindow()) {
            Fail("windows", std::string("page ") + RoleName(PageRole(index)) + " is gone");
            return false;
        }
        const bool visible = index == m_selectedTab && !m_pageEscaped;
        if (m_host->IsDialogVisible(*page) != visible) {
            Fail("windows", std::string("page ") + RoleName(PageRole(index)) +
                                (visible ? " is hidden" : " is shown") + " with tab " +
                                std::to_string(m_selectedTab) + " selected");
            return false;
        }
    }
    return true;
}

// A toggle that completes leaves the controls of each group it set enabled
// exactly while the group's box is checked. A group it did not set may still
// show the state from before a toggle that stopped on a bad scale.
bool Walker::CheckToggle(const Plan& plan) {
    if (!plan.toggleCompletes)
        return true;
    const CDialog& page = *PageDialog(3);
    for (const auto& [box, group, set, on] :
         {std::tuple(IDC_TS_HORZ_SKEW, kHorzGroup, plan.horzSet, plan.horzOn),
          std::tuple(IDC_TS_VERT_SKEW, kVertGroup, plan.vertSet, plan.vertOn)}) {
        if (!set)
            continue;
        if (m_host->IsChecked(page, box) != on) {
            Fail("Texture Skew groups",
                 Where(Role::TextureSkew, box) + (on ? " should be checked" : " should be clear"));
            return false;
        }
        for (int id : group) {
            if (m_host->IsEnabled(page, id) != on) {
                Fail("Texture Skew groups",
                     Where(Role::TextureSkew, id) +
                         (on ? " should be enabled" : " should be disabled"));
                return false;
            }
        }
    }
    return true;
}

// Apply delivers the pending command only to a running editor's command line,
// waiting a bounded while for a clipboard another program holds; every other
// step, and an Apply that gives up, leaves the clipboard and the editor alone.
bool Walker::CheckEditorLink(const Plan& plan, const Before& before) {
    if (plan.opensModal)
        return true; // the steps inside the modal window were checked one by one
    const auto& posted = m_host->Desktop().PostedMessages();
    const bool deliver = plan.apply && !before.command.empty() && m_editor == 2;
    const auto paused = m_host->Desktop().Now() - before.clock;
    std::vector<std::string> executed = before.executed;
    if (!deliver || plan.clipboardBusy) {
        if (m_host->Clipboard() != before.clipboard || posted.size() != before.posted ||
            ExecutedInEditor() != executed) {
            Fail("editor link", std::string(plan.clipboardBusy ? "Apply on a busy clipboard"
                                            : plan.apply       ? "Apply with nothing to deliver"
                                                               : "a step that is not Apply") +
                                    " touched the clipboard or the editor");
            return false;
        }
    }
    if (paused > (deliver ? kestrow::kClipboardPatience : std::chrono::milliseconds{0})) {
        Fail("editor link", "the step waited " + std::to_string(paused.count()) + " ms");
        return false;
    }
    if (!deliver)
        return true;
    if (plan.clipboardBusy) {
        ++m_counts.clipboardBusy;
        return true;
    }
    ++m_counts.delivered;
    if (!before.typed.empty())
        ++m_counts.deliveredOverTyping;
    // Whatever was left typed in the command line, the editor executes exactly
    // the command, and nothing is left typed after it.
    executed.push_back(before.command);
    if (m_host->Clipboard() != before.command || ExecutedInEditor() != executed ||
        !m_host->Typed(m_commandLine).empty() ||
        !m_host->IsTextSelected(*m_main, IDC_MAIN_COMMAND)) {
        Fail("editor link",
             "Apply did not make the editor execute exactly " + ShownText(before.command));
        return false;
    }
    return true;
}

} // namespace walk
