#include "UiTest.h"

#include "res/resource.h"
#include "ui/DataExchange.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

// A dialog on the Bevel Scale template with an exchange table of our own: an
// int, a double with a range, a text, and the radio group.
class ExchangeDialog : public CDialog {
public:
    ExchangeDialog() : CDialog(IDD_BEVEL_SCALE) {}
    int m_nWidth = 128;
    double m_dCount = 1.0;
    double m_dPlain = 0.1;
    std::string m_strRise = "64";
    int m_nRadio = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_BS_TEXWIDTH, m_nWidth);
        DDV_MinMaxInt(pDX, m_nWidth, 4, 16384);
        DDX_Text(pDX, IDC_BS_TEXCOUNT, m_dCount);
        DDV_MinMaxDouble(pDX, m_dCount, 0.0625, 128.0);
        DDX_Text(pDX, IDC_BS_SCALE, m_dPlain);
        DDX_Text(pDX, IDC_BS_RISE, m_strRise);
        DDX_Radio(pDX, {IDC_BS_APPLY_U, IDC_BS_APPLY_V}, m_nRadio);
    }
};

// The dialog lies over a small modal window, shown, as a page lies over the main
// window; one dialog serves a whole table.
class DataExchangeTest : public UiTest {
protected:
    template <class Body> void WithDialog(Body body) {
        CDialog owner(IDD_ABOUTBOX);
        driver.OnNextModal([&](CDialog&) {
            ExchangeDialog dlg;
            ASSERT_TRUE(dlg.Create(IDD_BEVEL_SCALE, &owner));
            dlg.ShowWindow(ui::ShowCommand::Show);
            body(dlg);
        });
        owner.DoModal();
    }
};

TEST_F(DataExchangeTest, IntegerFields) {
    struct Case {
        const char* text;
        std::optional<int> value;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"256", 256, nullptr},
        {"  +16 ", 16, nullptr},
        {"\t4", 4, nullptr},
        {"16384", 16384, nullptr},
        {"3", std::nullopt, "Please enter an integer between 4 and 16384."},
        {"-5", std::nullopt, "Please enter an integer between 4 and 16384."},
        {"16385", std::nullopt, "Please enter an integer between 4 and 16384."},
        {"12a", std::nullopt, "Please enter an integer."},
        {"1.5", std::nullopt, "Please enter an integer."},
        {"", std::nullopt, "Please enter an integer."},
        {"2147483648", std::nullopt, "Please enter an integer."},
        {"4 4", std::nullopt, "Please enter an integer."},
    };
    WithDialog([&](ExchangeDialog& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            driver.ClearMessageBoxes();
            driver.Type(dlg, IDC_BS_TEXWIDTH, c.text);
            // A bad count would fail too, but is never reached.
            driver.Type(dlg, IDC_BS_TEXCOUNT, c.value ? "1" : "x");
            dlg.m_dCount = 7.0;
            bool ok = dlg.UpdateData(true);
            if (c.value) {
                EXPECT_TRUE(ok);
                EXPECT_EQ(dlg.m_nWidth, *c.value);
                continue;
            }
            EXPECT_FALSE(ok);
            EXPECT_EQ(driver.MessageTexts(), std::vector<std::string>{c.message});
            EXPECT_EQ(driver.FocusId(), IDC_BS_TEXWIDTH);
            EXPECT_TRUE(driver.IsTextSelected(dlg, IDC_BS_TEXWIDTH));
            EXPECT_EQ(dlg.m_dCount, 7.0); // later fields are not read
        }
    });
}

TEST_F(DataExchangeTest, NumberFields) {
    struct Case {
        const char* text;
        std::optional<double> value;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"0.0625", 0.0625, nullptr},
        {" 1.50 ", 1.5, nullptr},
        {"1e2", 100.0, nullptr},
        {"128", 128.0, nullptr},
        {".5", 0.5, nullptr},
        {"0.05", std::nullopt, "Please enter a number between 0.0625 and 128."},
        {"128.0001", std::nullopt, "Please enter a number between 0.0625 and 128."},
        {"1e999", std::nullopt, "Please enter a number between 0.0625 and 128."},
        {"abc", std::nullopt, "Please enter a number."},
        {"nan", std::nullopt, "Please enter a number."},
        {"inf", std::nullopt, "Please enter a number."},
        {"0x10", std::nullopt, "Please enter a number."},
        {"1,5", std::nullopt, "Please enter a number."},
    };
    WithDialog([&](ExchangeDialog& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            driver.ClearMessageBoxes();
            driver.Type(dlg, IDC_BS_TEXCOUNT, c.text);
            bool ok = dlg.UpdateData(true);
            EXPECT_EQ(ok, c.value.has_value());
            if (c.value) {
                EXPECT_EQ(dlg.m_dCount, *c.value);
                EXPECT_TRUE(driver.MessageBoxes().empty());
            } else {
                EXPECT_EQ(driver.MessageTexts(), std::vector<std::string>{c.message});
                EXPECT_EQ(driver.FocusId(), IDC_BS_TEXCOUNT);
            }
        }
    });
}

TEST_F(DataExchangeTest, WritesNumbersWithFifteenSignificantDigits) {
    WithDialog([&](ExchangeDialog& dlg) {
        const std::pair<double, const char*> cases[] = {
            {0.1, "0.1"},
            {1.0 / 3.0, "0.333333333333333"},
            {1.171875000138770, "1.17187500013877"},
            {6.7434957617424e-07, "6.7434957617424e-07"},
            {1e15, "1e+15"},
            {-0.0, "-0"},
        };
        for (auto [value, text] : cases) {
            dlg.m_dPlain = value;
            dlg.UpdateData(false);
            EXPECT_EQ(driver.Text(dlg, IDC_BS_SCALE), text);
        }
    });
}

TEST_F(DataExchangeTest, RadioGroupAndTextRoundTrip) {
    WithDialog([&](ExchangeDialog& dlg) {
        EXPECT_TRUE(driver.IsChecked(dlg, IDC_BS_APPLY_V));
        EXPECT_EQ(driver.Text(dlg, IDC_BS_RISE), "64");
        driver.Click(dlg, IDC_BS_APPLY_U);
        driver.Type(dlg, IDC_BS_RISE, " 3 * 16 ");
        ASSERT_TRUE(dlg.UpdateData(true));
        EXPECT_EQ(dlg.m_nRadio, 0);
        EXPECT_EQ(dlg.m_strRise, " 3 * 16 ");
        dlg.m_nRadio = 1;
        dlg.UpdateData(false);
        EXPECT_FALSE(driver.IsChecked(dlg, IDC_BS_APPLY_U));
        EXPECT_TRUE(driver.IsChecked(dlg, IDC_BS_APPLY_V));
    });
}

} // namespace
