// Every label of the main window and its pages shows its whole text: measured in
// the real windows, in the dialogs' font, against the room each control gives
// its text.

#include "KestrowFixture.h"

#include <sstream>

namespace e2e {
namespace {

// The dialogs' font, as their templates name it.
constexpr const char* kDialogFace = "MS Sans Serif";
constexpr int kDialogPoints = 8;

class DialogFont {
public:
    DialogFont() : m_dc(GetDC(nullptr)) {
        m_dpi = GetDeviceCaps(m_dc, LOGPIXELSY);
        m_font = CreateFontA(-MulDiv(kDialogPoints, m_dpi, 72), 0, 0, 0, FW_DONTCARE, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kDialogFace);
        m_previous = SelectObject(m_dc, m_font);
    }
    ~DialogFont() {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_font);
        ReleaseDC(nullptr, m_dc);
    }
    DialogFont(const DialogFont&) = delete;
    DialogFont& operator=(const DialogFont&) = delete;

    int Dpi() const { return m_dpi; }

    // The horizontal dialog base unit this font gives a dialog: half the average
    // width of the letters, rounded.
    int BaseUnitX() const {
        const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        SIZE size{};
        GetTextExtentPoint32A(m_dc, letters, 52, &size);
        return (size.cx / 26 + 1) / 2;
    }

    // One line of the text as a control draws it: "&" marks a mnemonic.
    int TextWidth(const std::string& text) const {
        RECT rect{0, 0, 0, 0};
        DrawTextA(m_dc, text.c_str(), static_cast<int>(text.size()), &rect,
                  DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        return rect.right - rect.left;
    }

private:
    HDC m_dc;
    int m_dpi = 96;
    HFONT m_font;
    HGDIOBJ m_previous;
};

int WidthOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

// The width a control leaves for its text, or -1 for a control without a label.
int RoomForText(HWND control, int dpi) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const std::string kind = ClassOf(control);
    if (kind == "Static") {
        const LONG type = style & SS_TYPEMASK;
        return type == SS_LEFT || type == SS_RIGHT || type == SS_CENTER ? WidthOf(control) : -1;
    }
    if (kind != "Button")
        return -1;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        return WidthOf(control) - 4; // the frame, 2 pixels a side
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        // The glyph, 13 pixels at 96 dpi, and the gap to the text: Windows' themed
        // gap of 6 pixels, wider than Wine's.
        return WidthOf(control) - MulDiv(13 + 6, dpi, 96);
    default:
        return -1;
    }
}

using LabelFitTest = KestrowTest;

TEST_F(LabelFitTest, EveryLabelShowsItsWholeText) {
    const DialogFont font;
    ASSERT_EQ(WidthOf(app.MainItem(IDC_MAIN_APPLY)), MulDiv(50, font.BaseUnitX(), 4))
        << "the measuring font is not the dialogs' font";

    const struct {
        const char* name;
        HWND window;
    } dialogs[] = {
        {"main window", app.Main()},
        {"Pillar Wrap", app.PageWindow(Page::PillarWrap)},
        {"Bevel Scale", app.PageWindow(Page::BevelScale)},
        {"Floor Scale", app.PageWindow(Page::FloorScale)},
        {"Texture Skew", app.PageWindow(Page::TextureSkew)},
    };
    int measured = 0;
    std::ostringstream cutOff;
    for (const auto& dialog : dialogs) {
        ASSERT_NE(dialog.window, nullptr) << dialog.name;
        for (HWND control : ChildrenOf(dialog.window)) {
            const std::string text = ReadText(control);
            const int room = RoomForText(control, font.Dpi());
            if (text.empty() || room < 0 || !(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE))
                continue;
            ++measured;
            const int needed = font.TextWidth(text);
            if (needed > room)
                cutOff << "\n  " << dialog.name << ": \"" << text << "\" needs " << needed
                       << " pixels, has " << room;
        }
    }
    EXPECT_EQ(measured, 48) << "visible labels measured";
    EXPECT_TRUE(cutOff.str().empty()) << "cut off:" << cutOff.str();
}

} // namespace
} // namespace e2e
