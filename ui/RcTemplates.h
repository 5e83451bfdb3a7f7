#pragma once

// Reads Kestrow's resource script back into plain structures, without any
// Windows header, so that the in-memory test host builds its dialogs from the
// very templates the program ships.
//
// The reader covers the subset the script uses: DIALOG and DIALOGEX with STYLE,
// EXSTYLE, CAPTION and FONT, generic CONTROL statements, STRINGTABLE, and any
// other resource, which it skips. Names are resolved through the #defines of
// resource.h (and of the script itself) plus the standard IDOK and IDCANCEL.
// Preprocessor conditionals are not evaluated: every #define line counts.

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// A malformed or unsupported script; the message names the line.
class RcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Style names are kept as written (WS_TABSTOP, BS_AUTOCHECKBOX, ...). `styles`
// holds the names in effect, including the ones the resource compiler implies
// (WS_CHILD and WS_VISIBLE for every control); `notStyles` the names removed
// with NOT. Numeric style terms other than 0 are kept as their text.
struct ControlTemplate {
    int id = 0;
    std::string text;
    // Set when the statement names a resource instead of a text (icons).
    std::optional<int> imageId;
    std::string className;
    std::vector<std::string> styles;
    std::vector<std::string> notStyles;
    std::vector<std::string> exStyles;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;

    // True when the style or extended style is in effect.
    bool Has(std::string_view style) const;
};

// Dialog styles include the implied ones: WS_POPUP, WS_BORDER and WS_SYSMENU
// without a STYLE statement, WS_CAPTION with a caption, DS_SETFONT with a font.
struct DialogTemplate {
    int id = 0;
    bool extended = false;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::string caption;
    std::string fontFace;
    int fontSize = 0;
    std::vector<std::string> styles;
    std::vector<std::string> notStyles;
    std::vector<std::string> exStyles;
    // In template order, which is the tab order.
    std::vector<ControlTemplate> controls;

    bool Has(std::string_view style) const;
    // The first control with the id, or null.
    const ControlTemplate* Find(int controlId) const;
};

using DialogTemplates = std::map<int, DialogTemplate>;
using StringTable = std::map<int, std::string>;
using Symbols = std::map<std::string, long long, std::less<>>;

// Integer #defines of a header; defines whose value is not an integer
// expression are left out.
Symbols ParseDefines(std::string_view headerText);

DialogTemplates ParseDialogTemplates(std::string_view rcText, std::string_view headerText);
StringTable ParseStringTable(std::string_view rcText, std::string_view headerText);

// Read the files; a file that cannot be read is an RcError.
DialogTemplates LoadDialogTemplates(const std::string& rcPath, const std::string& resourceHPath);
StringTable LoadStringTable(const std::string& rcPath, const std::string& resourceHPath);

enum class ControlKind {
    Edit,
    PushButton,
    DefPushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Static,
    Icon,
    Tab,
    Unknown,
};

ControlKind KindOf(const ControlTemplate& control);
bool IsVisible(const ControlTemplate& control);
bool IsEnabled(const ControlTemplate& control);
bool IsTabStop(const ControlTemplate& control);
bool StartsGroup(const ControlTemplate& control);
bool IsReadOnly(const ControlTemplate& control);

} // namespace ui
