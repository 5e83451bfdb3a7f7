// Random walks through the whole window on the in-memory host. The bounded walk
// runs with every test run; for a longer one set
//   KESTROW_WALK_STEPS           steps to take (default 3000)
//   KESTROW_WALK_SEED            a number, or "random" (default 1)
//   KESTROW_WALK_SHRINK_SECONDS  time to spend shortening a failing walk (default 60)
// scripts/soak.sh runs a million steps this way.
#include "Walker.h"

#include "res/resource.h"
#include "tests/support/MemoryHost.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define KESTROW_WALK_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTROW_WALK_SANITIZED 1
#endif
#endif
#ifdef KESTROW_WALK_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

using walk::Action;
using walk::Role;
using walk::Step;

constexpr std::size_t kDefaultSteps = 3000;
constexpr std::uint64_t kDefaultSeed = 1;
constexpr double kDefaultShrinkSeconds = 60;

// Every session of a walk starts on a fresh host and desktop; the resources are
// read once.
template <class Desktop = kestrow::MemoryDesktop> std::unique_ptr<ui::MemoryHost> MakeHost() {
    static const ui::Resources resources = ui::LoadResFile(KESTROW_RES_PATH);
    return std::make_unique<ui::MemoryHost>(resources, std::make_unique<Desktop>());
}

const char* Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

std::size_t StepsToTake() {
    const char* value = Env("KESTROW_WALK_STEPS");
    return value != nullptr ? std::strtoull(value, nullptr, 10) : kDefaultSteps;
}

std::uint64_t Seed() {
    const char* value = Env("KESTROW_WALK_SEED");
    if (value == nullptr)
        return kDefaultSeed;
    if (std::string(value) == "random")
        return (static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}();
    return std::strtoull(value, nullptr, 10);
}

double ShrinkSeconds() {
    const char* value = Env("KESTROW_WALK_SHRINK_SECONDS");
    return value != nullptr ? std::strtod(value, nullptr) : kDefaultShrinkSeconds;
}

// A crash or a sanitizer report ends the process before the walk can report:
// say where the walk was, so that the seed and the step count replay it.
const walk::Walker* g_walker = nullptr;
std::uint64_t g_seed = 0;

void ReportWhereTheWalkWas() {
    if (g_walker == nullptr || g_walker->Counts().steps == 0)
        return;
    const std::size_t steps = g_walker->Counts().steps;
    std::fprintf(stderr,
                 "\nThe random walk stopped at step %zu, seed %llu "
                 "(KESTROW_WALK_SEED=%llu KESTROW_WALK_STEPS=%zu replays it). Its session:\n%s",
                 steps, static_cast<unsigned long long>(g_seed),
                 static_cast<unsigned long long>(g_seed), steps,
                 walk::DescribeList(g_walker->SessionSteps()).c_str());
}

extern "C" void OnFatalSignal(int signal) {
    ReportWhereTheWalkWas();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

class CrashReport {
public:
    CrashReport(const walk::Walker& walker, std::uint64_t seed) {
        g_walker = &walker;
        g_seed = seed;
#ifdef KESTROW_WALK_SANITIZED
        __sanitizer_set_death_callback(ReportWhereTheWalkWas);
#else
        std::signal(SIGSEGV, OnFatalSignal);
        std::signal(SIGFPE, OnFatalSignal);
#endif
        std::signal(SIGABRT, OnFatalSignal);
    }
    ~CrashReport() {
        g_walker = nullptr;
        std::signal(SIGABRT, SIG_DFL);
    }
    CrashReport(const CrashReport&) = delete;
    CrashReport& operator=(const CrashReport&) = delete;
};

// The failure, and the shortest part of its session that still shows it.
std::string Report(const walk::HostFactory& makeHost, const walk::Walker& walker,
                   std::uint64_t seed) {
    const walk::WalkFailure& failure = *walker.Failure();
    const std::vector<Step>& session = walker.SessionSteps();
    const std::vector<Step> shortest =
        walk::Shrink(makeHost, session, failure.check, ShrinkSeconds());
    walk::Walker again(makeHost);
    again.Replay(shortest);
    return "seed " + std::to_string(seed) + ", step " + std::to_string(failure.step) + ": " +
           failure.check + ": " + failure.detail + "\nShortest step list found (" +
           std::to_string(shortest.size()) + " of the " + std::to_string(session.size()) +
           " steps of its session):\n" + walk::DescribeList(shortest) + "which fails with: " +
           (again.Failure() ? again.Failure()->detail : std::string("(nothing, replay differs)"));
}

TEST(RandomWalk, EveryStepKeepsWhatMustAlwaysHold) {
    const std::size_t steps = StepsToTake();
    const std::uint64_t seed = Seed();
    walk::Walker walker(MakeHost<>);
    bool ok = false;
    {
        CrashReport crashReport(walker, seed);
        ok = walker.RunRandom(seed, steps);
    }
    const walk::WalkCounts& c = walker.Counts();
    std::printf("random walk: seed %llu, %zu steps in %zu sessions (%zu refused), %zu messages, "
                "%zu fields rejected, %zu commands published, %zu delivered (%zu over text left "
                "typed), %zu kept from a busy clipboard, %zu pages switched by keys, %zu about "
                "boxes, %zu remote windows, %d failures\n",
                static_cast<unsigned long long>(seed), c.steps, c.sessions, c.refused, c.messages,
                c.rejectedFields, c.published, c.delivered, c.deliveredOverTyping, c.clipboardBusy,
                c.tabKeys, c.aboutRuns, c.remoteRuns, ok ? 0 : 1);
    std::fflush(stdout);
    ASSERT_TRUE(ok) << Report(MakeHost<>, walker, seed);
    EXPECT_EQ(c.steps, steps);
    if (steps >= kDefaultSteps) {
        // A walk this long reaches every part of the window, so every check has
        // had something to check.
        EXPECT_GT(c.sessions, 1u);
        EXPECT_GT(c.rejectedFields, 0u);
        EXPECT_GT(c.published, 0u);
        EXPECT_GT(c.delivered, 0u);
        EXPECT_GT(c.deliveredOverTyping, 0u);
        EXPECT_GT(c.clipboardBusy, 0u);
        EXPECT_GT(c.tabKeys, 0u);
        EXPECT_GT(c.aboutRuns, 0u);
        EXPECT_GT(c.remoteRuns, 0u);
    }
}

// Found by the walk: Enter once opened the remote window with nothing pending,
// through a Remote... button that kept the focus while a tab switch disabled it.
// As on Windows, the focus is on the restored main window itself after the
// remote window, and the tab's click takes it to the tabs; Enter there ends the
// program and opens nothing.
TEST(RandomWalk, EnterAfterATabSwitchDoesNotOpenTheRemoteWindow) {
    walk::Walker walker(MakeHost<>);
    const bool ok = walker.Replay({
        {Action::SelectTab, Role::Main, 3},
        {Action::Click, Role::TextureSkew, IDC_TS_CMD},
        {Action::Click, Role::Main, IDC_MAIN_REMOTE},
        {Action::Click, Role::Remote, ui::kIdCancel},
        {Action::SelectTab, Role::Main, 1},
        {Action::Key, Role::Main, walk::kEnter},
    });
    EXPECT_TRUE(ok) << walker.Failure()->check << ": " << walker.Failure()->detail;
    EXPECT_EQ(walker.Counts().remoteRuns, 1u);
    EXPECT_EQ(walker.Counts().refused, 0u);
}

// The pauses of an Apply that gives up count towards a timed hold, so the next
// Apply, here the remote window's, finds the clipboard free.
TEST(RandomWalk, AClipboardHeldPastOneApplyIsFreeForTheNext) {
    walk::Walker walker(MakeHost<>);
    const bool ok = walker.Replay({
        {Action::StartEditor, Role::Main, 1},
        {Action::Click, Role::PillarWrap, IDC_PW_CMD_BEST_SCALE},
        {Action::HoldClipboard, Role::Main, 400},
        {Action::Click, Role::Main, IDC_MAIN_APPLY},
        {Action::Click, Role::Main, IDC_MAIN_REMOTE},
        {Action::Click, Role::Remote, IDC_REMOTE_APPLY},
    });
    EXPECT_TRUE(ok) << walker.Failure()->check << ": " << walker.Failure()->detail;
    EXPECT_EQ(walker.Counts().clipboardBusy, 1u);
    EXPECT_EQ(walker.Counts().delivered, 1u);
    EXPECT_EQ(walker.Counts().refused, 0u);
}

// A desktop that loses what Apply posts to the editor: the walk must notice and
// cut the walk down to the few steps that show it.
class DesktopLosingPostedMessages : public kestrow::MemoryDesktop {
public:
    void Post(kestrow::WindowRef, const kestrow::WindowMessage&) override {}
};

TEST(RandomWalk, AFaultIsFoundAndCutDownToTheStepsThatShowIt) {
    const walk::HostFactory makeFaultyHost = MakeHost<DesktopLosingPostedMessages>;
    walk::Walker walker(makeFaultyHost);
    ASSERT_FALSE(walker.RunRandom(kDefaultSeed, kDefaultSteps));
    EXPECT_EQ(walker.Failure()->check, "editor link");

    const std::vector<Step> shortest =
        walk::Shrink(makeFaultyHost, walker.SessionSteps(), "editor link", 30);
    // The editor starts, a page publishes, Apply: nothing else is needed but the
    // way to the page, which dropping steps may leave at two tab switches.
    EXPECT_LE(shortest.size(), 5u) << walk::DescribeList(shortest);
    walk::Walker again(makeFaultyHost);
    EXPECT_FALSE(again.Replay(shortest));
}

} // namespace
