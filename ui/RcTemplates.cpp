#include "RcTemplates.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

namespace ui {
namespace {

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char l, char r) {
               return std::toupper(static_cast<unsigned char>(l)) ==
                      std::toupper(static_cast<unsigned char>(r));
           });
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

void Remove(std::vector<std::string>& names, std::string_view name) {
    names.erase(std::remove(names.begin(), names.end(), name), names.end());
}

void AddName(std::vector<std::string>& names, std::string_view name) {
    if (!Contains(names, name)) {
        names.emplace_back(name);
    }
}

struct Token {
    enum class Kind { Word, Number, String, Punct, End };
    Kind kind = Kind::End;
    std::string text; // as written; for strings, the unescaped contents
    long long value = 0;
    int line = 0;
};

[[noreturn]] void Fail(int line, const std::string& what) {
    throw RcError("line " + std::to_string(line) + ": " + what);
}

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    std::vector<Token> Run() {
        std::vector<Token> tokens;
        for (;;) {
            SkipSpaceAndComments();
            if (pos_ >= text_.size()) {
                break;
            }
            tokens.push_back(NextToken());
        }
        tokens.push_back(Token{Token::Kind::End, "end of file", 0, line_});
        return tokens;
    }

private:
    char At(std::size_t pos) const { return pos < text_.size() ? text_[pos] : '\0'; }

    void SkipSpaceAndComments() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                lineStart_ = true;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (c == '/' && At(pos_ + 1) == '/') {
                SkipToLineEnd();
            } else if (c == '/' && At(pos_ + 1) == '*') {
                SkipBlockComment();
            } else if (c == '#' && lineStart_) {
                SkipDirective();
            } else {
                return;
            }
        }
    }

    void SkipToLineEnd() {
        while (pos_ < text_.size() && text_[pos_] != '\n') {
            ++pos_;
        }
    }

    void SkipBlockComment() {
        const int startLine = line_;
        pos_ += 2;
        while (pos_ < text_.size() && !(text_[pos_] == '*' && At(pos_ + 1) == '/')) {
            if (text_[pos_] == '\n') {
                ++line_;
            }
            ++pos_;
        }
        if (pos_ >= text_.size()) {
            Fail(startLine, "unterminated comment");
        }
        pos_ += 2;
    }

    // Preprocessor lines, continuation lines included; their #defines are read
    // separately.
    void SkipDirective() {
        for (;;) {
            SkipToLineEnd();
            std::size_t last = pos_;
            while (last > 0 && text_[last - 1] == '\r') {
                --last;
            }
            const bool continued = last > 0 && text_[last - 1] == '\\';
            if (!continued || pos_ >= text_.size()) {
                return;
            }
            ++pos_;
            ++line_;
        }
    }

    Token NextToken() {
        lineStart_ = false;
        const char c = text_[pos_];
        if (c == '"' || (c == 'L' && At(pos_ + 1) == '"')) {
            return StringToken();
        }
        if (std::isdigit(static_cast<unsigned char>(c))) {
            return NumberToken();
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            const std::size_t start = pos_;
            while (std::isalnum(static_cast<unsigned char>(At(pos_))) || At(pos_) == '_') {
                ++pos_;
            }
            return Token{Token::Kind::Word, std::string(text_.substr(start, pos_ - start)), 0,
                         line_};
        }
        ++pos_;
        return Token{Token::Kind::Punct, std::string(1, c), 0, line_};
    }

    // "" stands for one quote; the C escapes \n, \t, \\ and \" are understood too.
    Token StringToken() {
        const int startLine = line_;
        if (text_[pos_] == 'L') {
            ++pos_;
        }
        ++pos_;
        std::string value;
        for (;;) {
            const char c = At(pos_);
            if (pos_ >= text_.size() || c == '\n') {
                Fail(startLine, "unterminated string");
            }
            if (c == '"') {
                if (At(pos_ + 1) != '"') {
                    ++pos_;
                    break;
                }
                value += '"';
                pos_ += 2;
            } else if (c == '\\') {
                value += Unescape(At(pos_ + 1));
                pos_ += 2;
            } else {
                value += c;
                ++pos_;
            }
        }
        return Token{Token::Kind::String, value, 0, startLine};
    }

    static std::string Unescape(char c) {
        switch (c) {
        case 'n':
            return "\n";
        case 't':
            return "\t";
        case '\\':
            return "\\";
        case '"':
            return "\"";
        default:
            return std::string{'\\', c};
        }
    }

    Token NumberToken() {
        const std::size_t start = pos_;
        while (std::isalnum(static_cast<unsigned char>(At(pos_)))) {
            ++pos_;
        }
        std::string digits(text_.substr(start, pos_ - start));
        const std::string written = digits;
        while (!digits.empty() && std::strchr("lLuU", digits.back()) != nullptr) {
            digits.pop_back();
        }
        const bool hex =
            digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
        std::size_t used = 0;
        long long value = 0;
        try {
            value = std::stoll(digits, &used, hex ? 16 : 10);
        } catch (const std::exception&) {
            Fail(line_, "bad number " + written);
        }
        if (used != digits.size()) {
            Fail(line_, "bad number " + written);
        }
        return Token{Token::Kind::Number, written, value, line_};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool lineStart_ = true;
};

constexpr std::string_view kMemoryOptions[] = {"PRELOAD",  "LOADONCALL",  "FIXED",
                                               "MOVEABLE", "DISCARDABLE", "PURE",
                                               "IMPURE",   "SHARED",      "NONSHARED"};

class Parser {
public:
    Parser(std::vector<Token> tokens, const Symbols& symbols)
        : tokens_(std::move(tokens)), symbols_(symbols) {}

    void Run(DialogTemplates& dialogs, StringTable& strings) {
        while (!AtEnd()) {
            if (AtWord("LANGUAGE")) {
                SkipRestOfLine();
            } else if (AtWord("STRINGTABLE")) {
                ParseStrings(strings);
            } else {
                ParseResource(dialogs);
            }
        }
    }

    // An integer expression: terms joined by +, - and |, each a number, a
    // #defined name or a bracketed expression, optionally negated.
    long long IntExpr() {
        long long value = IntTerm();
        for (;;) {
            if (Accept("+")) {
                value += IntTerm();
            } else if (Accept("-")) {
                value -= IntTerm();
            } else if (Accept("|")) {
                value |= IntTerm();
            } else {
                return value;
            }
        }
    }

    bool AtEnd() const { return Peek().kind == Token::Kind::End; }

private:
    const Token& Peek() const { return tokens_[pos_]; }

    const Token& Next() {
        const Token& token = tokens_[pos_];
        if (token.kind != Token::Kind::End) {
            ++pos_;
        }
        return token;
    }

    bool AtWord(std::string_view word) const {
        return Peek().kind == Token::Kind::Word && EqualsIgnoreCase(Peek().text, word);
    }

    bool AtPunct(std::string_view punct) const {
        return Peek().kind == Token::Kind::Punct && Peek().text == punct;
    }

    bool AtBlockStart() const { return AtWord("BEGIN") || AtPunct("{"); }
    bool AtBlockEnd() const { return AtWord("END") || AtPunct("}"); }

    bool Accept(std::string_view punct) {
        if (!AtPunct(punct)) {
            return false;
        }
        Next();
        return true;
    }

    void Expect(std::string_view punct) {
        if (!Accept(punct)) {
            Fail(Peek().line, "expected '" + std::string(punct) + "' before '" + Peek().text + "'");
        }
    }

    std::string ExpectString() {
        if (Peek().kind != Token::Kind::String) {
            Fail(Peek().line, "expected a quoted string before '" + Peek().text + "'");
        }
        return Next().text;
    }

    void ExpectBlockStart() {
        if (!AtBlockStart()) {
            Fail(Peek().line, "expected BEGIN before '" + Peek().text + "'");
        }
        Next();
    }

    int Int() { return static_cast<int>(IntExpr()); }

    long long IntTerm() {
        if (Accept("-")) {
            return -IntTerm();
        }
        if (Accept("+")) {
            return IntTerm();
        }
        if (Accept("~")) {
            return ~IntTerm();
        }
        if (Accept("(")) {
            const long long value = IntExpr();
            Expect(")");
            return value;
        }
        const Token& token = Next();
        if (token.kind == Token::Kind::Number) {
            return token.value;
        }
        if (token.kind == Token::Kind::Word) {
            const auto found = symbols_.find(token.text);
            if (found == symbols_.end()) {
                Fail(token.line, "unknown name " + token.text);
            }
            return found->second;
        }
        Fail(token.line, "expected a number before '" + token.text + "'");
    }

    // Style terms joined by |, each optionally preceded by NOT, applied in
    // order: a later term overrides an earlier one.
    void StyleExpr(std::vector<std::string>& on, std::vector<std::string>& off) {
        do {
            const bool negate = AtWord("NOT");
            if (negate) {
                Next();
            }
            if (!negate && Accept("(")) {
                StyleExpr(on, off);
                Expect(")");
                continue;
            }
            const Token& token = Next();
            if (token.kind == Token::Kind::Number && token.value == 0) {
                continue;
            }
            if (token.kind != Token::Kind::Word && token.kind != Token::Kind::Number) {
                Fail(token.line, "expected a style before '" + token.text + "'");
            }
            if (negate) {
                Remove(on, token.text);
                AddName(off, token.text);
            } else {
                Remove(off, token.text);
                AddName(on, token.text);
            }
        } while (Accept("|"));
    }

    void SkipRestOfLine() {
        const int line = Next().line;
        while (!AtEnd() && Peek().line == line) {
            Next();
        }
    }

    void SkipMemoryOptions() {
        while (std::any_of(std::begin(kMemoryOptions), std::end(kMemoryOptions),
                           [this](std::string_view option) { return AtWord(option); })) {
            Next();
        }
    }

    // From the opening BEGIN to the matching END.
    void SkipBlock() {
        int depth = 0;
        do {
            if (AtEnd()) {
                Fail(Peek().line, "missing END");
            }
            if (AtBlockStart()) {
                ++depth;
            } else if (AtBlockEnd()) {
                --depth;
            }
            Next();
        } while (depth > 0);
    }

    void ParseResource(DialogTemplates& dialogs) {
        const Token name = Next();
        const Token type = Next();
        if (type.kind == Token::Kind::Word &&
            (EqualsIgnoreCase(type.text, "DIALOG") || EqualsIgnoreCase(type.text, "DIALOGEX"))) {
            DialogTemplate dialog = ParseDialog(name, EqualsIgnoreCase(type.text, "DIALOGEX"));
            const int id = dialog.id;
            if (!dialogs.emplace(id, std::move(dialog)).second) {
                Fail(name.line, "dialog " + std::to_string(id) + " defined twice");
            }
            return;
        }
        if (type.kind == Token::Kind::End) {
            Fail(name.line, "resource " + name.text + " has no type");
        }
        SkipMemoryOptions();
        // A resource read from a file ends with the file name on its line;
        // any other carries its data in a block.
        if (Peek().kind == Token::Kind::String && Peek().line == type.line) {
            Next();
            return;
        }
        while (!AtBlockStart()) {
            if (AtEnd()) {
                Fail(name.line, "resource " + name.text + " has neither file nor data");
            }
            Next();
        }
        SkipBlock();
    }

    int ResourceId(const Token& name) {
        if (name.kind == Token::Kind::Number) {
            return static_cast<int>(name.value);
        }
        if (name.kind == Token::Kind::Word) {
            const auto found = symbols_.find(name.text);
            if (found != symbols_.end()) {
                return static_cast<int>(found->second);
            }
        }
        Fail(name.line, "resource name " + name.text + " is not a known id");
    }

    DialogTemplate ParseDialog(const Token& name, bool extended) {
        DialogTemplate dialog;
        dialog.id = ResourceId(name);
        dialog.extended = extended;
        SkipMemoryOptions();
        dialog.x = Int();
        Expect(",");
        dialog.y = Int();
        Expect(",");
        dialog.cx = Int();
        Expect(",");
        dialog.cy = Int();
        if (extended && Accept(",")) {
            IntExpr(); // help id
        }
        ParseDialogOptions(dialog);
        ExpectBlockStart();
        while (!AtBlockEnd()) {
            if (AtEnd()) {
                Fail(Peek().line, "dialog " + std::to_string(dialog.id) + " lacks its END");
            }
            dialog.controls.push_back(ParseControl());
        }
        Next();
        return dialog;
    }

    void ParseDialogOptions(DialogTemplate& dialog) {
        bool styleGiven = false;
        bool captionGiven = false;
        bool fontGiven = false;
        std::vector<std::string> ignored;
        while (!AtBlockStart()) {
            const Token& keyword = Peek();
            if (keyword.kind != Token::Kind::Word) {
                Fail(keyword.line, "unexpected '" + keyword.text + "' in dialog header");
            }
            if (AtWord("STYLE")) {
                Next();
                styleGiven = true;
                StyleExpr(dialog.styles, dialog.notStyles);
            } else if (AtWord("EXSTYLE")) {
                Next();
                StyleExpr(dialog.exStyles, ignored);
            } else if (AtWord("CAPTION")) {
                Next();
                captionGiven = true;
                dialog.caption = ExpectString();
            } else if (AtWord("FONT")) {
                Next();
                fontGiven = true;
                dialog.fontSize = Int();
                Expect(",");
                dialog.fontFace = ExpectString();
                while (Accept(",")) {
                    IntExpr(); // weight, italic, character set
                }
            } else if (AtWord("MENU") || AtWord("CLASS") || AtWord("LANGUAGE") ||
                       AtWord("CHARACTERISTICS") || AtWord("VERSION")) {
                SkipRestOfLine();
            } else {
                Fail(keyword.line, "unknown dialog statement " + keyword.text);
            }
        }
        // What the resource compiler implies, so that Has() answers for the window.
        if (!styleGiven) {
            dialog.styles = {"WS_POPUP", "WS_BORDER", "WS_SYSMENU"};
        }
        if (captionGiven) {
            AddName(dialog.styles, "WS_CAPTION");
        }
        if (fontGiven) {
            AddName(dialog.styles, "DS_SETFONT");
        }
    }

    // CONTROL text, id, class, style, x, y, cx, cy [, exstyle [, help id]]
    ControlTemplate ParseControl() {
        const Token& keyword = Next();
        if (keyword.kind != Token::Kind::Word || !EqualsIgnoreCase(keyword.text, "CONTROL")) {
            Fail(keyword.line, "expected a CONTROL statement, found '" + keyword.text + "'");
        }
        ControlTemplate control;
        if (Peek().kind == Token::Kind::String) {
            control.text = Next().text;
        } else {
            control.imageId = Int();
        }
        Expect(",");
        control.id = Int();
        Expect(",");
        if (Peek().kind != Token::Kind::String && Peek().kind != Token::Kind::Word) {
            Fail(Peek().line, "expected a window class before '" + Peek().text + "'");
        }
        control.className = Next().text;
        Expect(",");
        control.styles = {"WS_CHILD", "WS_VISIBLE"};
        StyleExpr(control.styles, control.notStyles);
        Expect(",");
        control.x = Int();
        Expect(",");
        control.y = Int();
        Expect(",");
        control.cx = Int();
        Expect(",");
        control.cy = Int();
        if (Accept(",")) {
            std::vector<std::string> ignored;
            StyleExpr(control.exStyles, ignored);
            if (Accept(",")) {
                IntExpr(); // help id
            }
        }
        return control;
    }

    void ParseStrings(StringTable& strings) {
        Next();
        while (!AtBlockStart()) {
            if (AtEnd()) {
                Fail(Peek().line, "STRINGTABLE without BEGIN");
            }
            Next(); // memory options, LANGUAGE and the like
        }
        Next();
        while (!AtBlockEnd()) {
            if (AtEnd()) {
                Fail(Peek().line, "STRINGTABLE lacks its END");
            }
            const int line = Peek().line;
            const int id = Int();
            Accept(",");
            if (!strings.emplace(id, ExpectString()).second) {
                Fail(line, "string " + std::to_string(id) + " defined twice");
            }
        }
        Next();
    }

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    const Symbols& symbols_;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw RcError("cannot read " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The ids that an .rc file takes from windows.h.
Symbols StandardSymbols() {
    return Symbols{{"IDOK", 1}, {"IDCANCEL", 2}};
}

Symbols ScriptSymbols(std::string_view rcText, std::string_view headerText) {
    Symbols symbols = StandardSymbols();
    for (auto& [name, value] : ParseDefines(headerText)) {
        symbols[name] = value;
    }
    for (auto& [name, value] : ParseDefines(rcText)) {
        symbols[name] = value;
    }
    return symbols;
}

void ParseScript(std::string_view rcText, std::string_view headerText, DialogTemplates& dialogs,
                 StringTable& strings) {
    const Symbols symbols = ScriptSymbols(rcText, headerText);
    Parser(Lexer(rcText).Run(), symbols).Run(dialogs, strings);
}

// Whether the trimmed line is "#define NAME" followed by a value; sets both.
bool SplitDefine(std::string_view line, std::string& name, std::string_view& value) {
    auto skipSpace = [&line] {
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front()))) {
            line.remove_prefix(1);
        }
    };
    skipSpace();
    if (line.empty() || line.front() != '#') {
        return false;
    }
    line.remove_prefix(1);
    skipSpace();
    constexpr std::string_view kDefine = "define";
    if (line.substr(0, kDefine.size()) != kDefine) {
        return false;
    }
    line.remove_prefix(kDefine.size());
    if (line.empty() || !std::isspace(static_cast<unsigned char>(line.front()))) {
        return false;
    }
    skipSpace();
    std::size_t length = 0;
    while (length < line.size() &&
           (std::isalnum(static_cast<unsigned char>(line[length])) || line[length] == '_')) {
        ++length;
    }
    // Function-like macros are no ids.
    if (length == 0 || (length < line.size() && line[length] == '(')) {
        return false;
    }
    name = std::string(line.substr(0, length));
    value = line.substr(length);
    return true;
}

} // namespace

Symbols ParseDefines(std::string_view headerText) {
    Symbols symbols;
    std::istringstream lines{std::string(headerText)};
    std::string line;
    while (std::getline(lines, line)) {
        std::string name;
        std::string_view value;
        if (!SplitDefine(line, name, value)) {
            continue;
        }
        try {
            Parser parser(Lexer(value).Run(), symbols);
            if (parser.AtEnd()) {
                continue;
            }
            const long long number = parser.IntExpr();
            if (parser.AtEnd()) {
                symbols[name] = number;
            }
        } catch (const RcError&) {
            // Not an integer: a string, a cast or a name defined elsewhere.
        }
    }
    return symbols;
}

DialogTemplates ParseDialogTemplates(std::string_view rcText, std::string_view headerText) {
    DialogTemplates dialogs;
    StringTable strings;
    ParseScript(rcText, headerText, dialogs, strings);
    return dialogs;
}

StringTable ParseStringTable(std::string_view rcText, std::string_view headerText) {
    DialogTemplates dialogs;
    StringTable strings;
    ParseScript(rcText, headerText, dialogs, strings);
    return strings;
}

namespace {

template <typename Result>
Result LoadScript(const std::string& rcPath, const std::string& resourceHPath,
                  Result (*parse)(std::string_view, std::string_view)) {
    const std::string rcText = ReadFile(rcPath);
    const std::string headerText = ReadFile(resourceHPath);
    try {
        return parse(rcText, headerText);
    } catch (const RcError& error) {
        throw RcError(rcPath + ": " + error.what());
    }
}

} // namespace

DialogTemplates LoadDialogTemplates(const std::string& rcPath, const std::string& resourceHPath) {
    return LoadScript(rcPath, resourceHPath, &ParseDialogTemplates);
}

StringTable LoadStringTable(const std::string& rcPath, const std::string& resourceHPath) {
    return LoadScript(rcPath, resourceHPath, &ParseStringTable);
}

bool ControlTemplate::Has(std::string_view style) const {
    return Contains(styles, style) || Contains(exStyles, style);
}

bool DialogTemplate::Has(std::string_view style) const {
    return Contains(styles, style) || Contains(exStyles, style);
}

const ControlTemplate* DialogTemplate::Find(int controlId) const {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [controlId](const auto& c) { return c.id == controlId; });
    return found == controls.end() ? nullptr : &*found;
}

ControlKind KindOf(const ControlTemplate& control) {
    const std::string& cls = control.className;
    if (EqualsIgnoreCase(cls, "Edit")) {
        return ControlKind::Edit;
    }
    if (EqualsIgnoreCase(cls, "SysTabControl32")) {
        return ControlKind::Tab;
    }
    if (EqualsIgnoreCase(cls, "Static")) {
        return control.Has("SS_ICON") ? ControlKind::Icon : ControlKind::Static;
    }
    if (!EqualsIgnoreCase(cls, "Button")) {
        return ControlKind::Unknown;
    }
    // The button types are values of one field, not flags: the first match names it.
    if (control.Has("BS_GROUPBOX")) {
        return ControlKind::GroupBox;
    }
    if (control.Has("BS_DEFPUSHBUTTON")) {
        return ControlKind::DefPushButton;
    }
    if (control.Has("BS_AUTOCHECKBOX") || control.Has("BS_CHECKBOX") ||
        control.Has("BS_AUTO3STATE") || control.Has("BS_3STATE")) {
        return ControlKind::CheckBox;
    }
    if (control.Has("BS_AUTORADIOBUTTON") || control.Has("BS_RADIOBUTTON")) {
        return ControlKind::RadioButton;
    }
    return ControlKind::PushButton;
}

bool IsVisible(const ControlTemplate& control) {
    return control.Has("WS_VISIBLE");
}
bool IsEnabled(const ControlTemplate& control) {
    return !control.Has("WS_DISABLED");
}
bool IsTabStop(const ControlTemplate& control) {
    return control.Has("WS_TABSTOP");
}
bool StartsGroup(const ControlTemplate& control) {
    return control.Has("WS_GROUP");
}
bool IsReadOnly(const ControlTemplate& control) {
    return control.Has("ES_READONLY");
}

} // namespace ui
