#include "KestrowFixture.h"

#include "ProgramPaths.h"

namespace e2e {

namespace {

std::string Describe(const DialogWindow& dialog) {
    return "\"" + dialog.caption + "\": \"" + dialog.text + "\"";
}

std::string Describe(HWND dialog) {
    return Describe(KestrowDriver::Describe(dialog));
}

} // namespace

void KestrowTest::SetUp() {
    ASSERT_TRUE(app.Launch()) << "Kestrow did not show its main window: " << KestrowExePath();
}

void KestrowTest::TearDown() {
    for (HWND dialog : app.OpenDialogs())
        ADD_FAILURE() << "a dialog was left open: " << Describe(dialog);
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

::testing::AssertionResult KestrowTest::Click(HWND button) const {
    const std::vector<HWND> before = app.OpenDialogs();
    const bool handled = app.Click(button);
    const std::vector<HWND> opened = app.NewDialogs(before);
    if (!opened.empty())
        return ::testing::AssertionFailure() << "the click opened " << Describe(opened.front());
    if (!handled)
        return ::testing::AssertionFailure() << "the click was not handled";
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
        if (!app.CloseDialog(*box, IDOK))
            return ::testing::AssertionFailure() << "could not close " << Describe(*box);
        if (!matches)
            return ::testing::AssertionFailure() << "expected \"" << kAppCaption << "\": \""
                                                 << expected << "\", saw " << Describe(*box);
    }
    if (!app.Sync())
        return ::testing::AssertionFailure() << "the program did not come back";
    const std::vector<HWND> opened = app.NewDialogs(before);
    if (!opened.empty())
        return ::testing::AssertionFailure()
               << "one more message box: " << Describe(opened.front());
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KestrowTest::IsPending(const std::string& command,
                                                  const std::string& label) const {
    const std::string shownCommand = app.Command();
    const std::string shownLabel = app.CommandLabel();
    const bool applyEnabled = IsWindowEnabled(app.MainItem(IDC_MAIN_APPLY));
    const bool remoteEnabled = IsWindowEnabled(app.MainItem(IDC_MAIN_REMOTE));
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
    const bool applyEnabled = IsWindowEnabled(app.MainItem(IDC_MAIN_APPLY));
    const bool remoteEnabled = IsWindowEnabled(app.MainItem(IDC_MAIN_REMOTE));
    if (shownCommand.empty() && shownLabel == kNoCommandLabel && !applyEnabled && !remoteEnabled)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "command \"" << shownCommand << "\", label \"" << shownLabel << "\", Apply "
           << (applyEnabled ? "enabled" : "disabled") << ", Remote... "
           << (remoteEnabled ? "enabled" : "disabled");
}

} // namespace e2e
