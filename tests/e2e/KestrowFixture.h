#pragma once

#include "KestrowDriver.h"
#include "WindowQueries.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {

inline constexpr const char* kAppCaption = "Kestrow";
inline constexpr const char* kNoCommandLabel = "CMD: ( None )";
inline constexpr const char* kExpressionRangeMessage =
    "Please enter an integer expression from 1 to 65535";

// Names each case of a parameterised test after the case's name field.
struct CaseName {
    template <class Case> std::string operator()(const ::testing::TestParamInfo<Case>& test) const {
        return test.param.name;
    }
};

// A fresh Kestrow.exe for every test, ended when the test ends, whatever happened.
class KestrowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Item(Page page, int id) const { return app.PageItem(page, id); }
    std::string TextOf(Page page, int id) const { return ReadText(Item(page, id)); }

    ::testing::AssertionResult Type(Page page, int id, const std::string& text) const;
    // Clicks and waits for the handler; fails if a dialog opened.
    ::testing::AssertionResult Click(HWND button) const;
    ::testing::AssertionResult Click(Page page, int id) const { return Click(Item(page, id)); }
    // Clicks, then expects exactly these message boxes one after the other, each
    // with the program's caption, and closes each with OK.
    ::testing::AssertionResult ClickExpectingMessages(HWND button,
                                                      const std::vector<std::string>& messages);

    ::testing::AssertionResult IsPending(const std::string& command,
                                         const std::string& label) const;
    ::testing::AssertionResult NothingPending() const;

    KestrowDriver app;
};

} // namespace e2e
