#include "KestrowFixture.h"

#include "ProgramPaths.h"

#include <algorithm>

namespace e2e {

namespace {

std::string Describe(const DialogWindow& dialog) {
    return "\"" + dialog.caption + "\": \"" + dialog.text + "\"";
}

} // namespace

void KestrowTest::SetUp() {
    ASSERT_TRUE(app.Launch()) << "Kestrow did not show its main window: " << KestrowExePath();
}

void KestrowTest::TearDown() {
    for (HWND dialog : app.OpenDialogs())
        ADD_FAILURE() << "a dialog was left open: "
                      << Describe({dialog, ReadText(dialog), StaticTextsOf(dialog)});
    app.Kill();
}

::testing::AssertionResult KestrowTest::Type(Page page, int id, const std::string& text) const {
    HWND field = Item(page, id);
    if (field == nullptr)
        return ::testing::AssertionFailure() << "no control " << id;
    if (!WriteText(field, text) || ReadText(field) != text)
        return ::testing::AssertionFailure() << "control " << id << " did not take " << text;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KestrowTest::Check(Page page, int id, bool checked) const {
    HWND box = Item(page, id);
    if (box == nullptr || !SetChecked(box, checked) || IsChecked(box) != checked)
        return ::testing::AssertionFailure() << "could not set the check of " << id;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KestrowTest::Click(HWND button) const {
    const std::vector<HWND> before = app.OpenDialogs();
    if (!app.PostClick(button) || !app.Sync())
        return ::testing::AssertionFailure() << "the click was not handled";
    for (HWND dialog : app.OpenDialogs())
        if (std::find(before.begin(), before.end(), dialog) == before.end())
            return ::testing::AssertionFailure()
                   << "the click opened "
                   << Describe({dialog, ReadText(dialog), StaticTextsOf(dialog)});
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult
KestrowTest::ClickExpectingMessages(HWND button, const std::vector<std::string>& messages) {
    std::vector<HWND> before = app.OpenDialogs();
    if (!app.PostClick(button))
        return ::testing::AssertionFailure() << "could not click";
    for (const std::string& expected : messages) {
        const std::optional<DialogWindow> box = app.WaitForNewDialog(before);
        if (!box)
            return ::testing::AssertionFailure() << "no message box \"" << expected << "\"";
        const bool matches = box->caption == kAppCaption && box->text == expected;
        if (!app.CloseDialog(*box, ids::kOk))
            return ::testing::AssertionFailure() << "could not close " << Describe(*box);
        if (!matches)
            return ::testing::AssertionFailure() << "expected \"" << kAppCaption << "\": \""
                                                 << expected << "\", saw " << Describe(*box);
    }
    if (!app.Sync())
        return ::testing::AssertionFailure() << "the program did not come back";
    for (HWND dialog : app.OpenDialogs())
        if (std::find(before.begin(), before.end(), dialog) == before.end())
            return ::testing::AssertionFailure()
                   << "one more message box: "
                   << Describe({dialog, ReadText(dialog), StaticTextsOf(dialog)});
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KestrowTest::IsPending(const std::string& command,
                                                  const std::string& label) const {
    const std::string shownCommand = app.Command();
    const std::string shownLabel = app.CommandLabel();
    const bool applyEnabled = IsWindowEnabled(app.MainItem(ids::kApply));
    const bool remoteEnabled = IsWindowEnabled(app.MainItem(ids::kRemote));
    if (shownCommand == command && shownLabel == label && applyEnabled && remoteEnabled)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "command \"" << shownCommand << "\", label \"" << shownLabel << "\", Apply "
           << (applyEnabled ? "enabled" : "disabled") << ", Remote... "
           << (remoteEnabled ? "enabled" : "disabled");
}

::testing::AssertionResult KestrowTest::NothingPending() const {
    const std::string shownCommand = app.Command();
    const std::string shownLabel = app.CommandLabel();
    const bool applyEnabled = IsWindowEnabled(app.MainItem(ids::kApply));
    const bool remoteEnabled = IsWindowEnabled(app.MainItem(ids::kRemote));
    if (shownCommand.empty() && shownLabel == kNoCommandLabel && !applyEnabled && !remoteEnabled)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "command \"" << shownCommand << "\", label \"" << shownLabel << "\", Apply "
           << (applyEnabled ? "enabled" : "disabled") << ", Remote... "
           << (remoteEnabled ? "enabled" : "disabled");
}

} // namespace e2e
