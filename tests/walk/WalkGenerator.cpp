#include "WalkGenerator.h"

#include "link/EditorDelivery.h"
#include "res/resource.h"
#include "tests/support/EditorCommandLine.h"
#include "ui/WindowHost.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <iterator>

namespace walk {

namespace {

constexpr int kScMinimize = 0xF020;
constexpr int kScRestore = 0xF120;
constexpr int kScClose = 0xF060;

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Faults the evaluator must report, and values at the edges of the fields.
const std::vector<std::string> kMalformed = {
    "2+",    "2x3",  "1.2.3", "(2)(3)",  "(2+3",  "3)(", ")(",  "-",    "@-4",
    "1/0",   "7%0",  "5%0.5", "1/(2-2)", "2+1/0", "abc", "()",  "(",    ")",
    "*3",    "3*",   "..",    "1..2",    "@",     "%",   "2 3", "1/-0", "0/0",
    "@(-1)", "2**3", "(((",   ")))",     "1)",    "(1",  "--3", "+-+1", "1e5",
};
const std::vector<std::string> kExtremes = {
    "99999999999999999999999999999999999999999",
    "99999999999999999999999999999999999999999-99999999999999999999999999999999999999999",
    "2147483648%-1",
    "-2147483648%-1",
    "99999999999%7",
    "1%0.0001",
    "@99999999999999999999999999999999999999999",
    "-(65535+1)",
    "65535+0.5",
    "65534.99999",
    "0.00000000000000000000000000000000000000000000001",
};
const std::vector<std::string> kValidExpressions = {
    "3*16", "@(48*48+64*64)", "(256+32)/2", "64", "2.5", "65535", "16*4", "1 024", "-(-8)", "@@256",
};
const std::vector<std::string> kExpressionNumbers = {
    "0",    "1",    "2.5", "65535", "65535.5", "65536", "-1", "0.5", "0.9999",
    "31.5", "3.14", ".5",  "5.",    "256",     "512",   "64", "48",  "1 6",
};
const std::vector<std::string> kNumberForms = {
    " 12 ",
    "+8",
    "-8",
    "1e1",
    "1E2",
    "1.50",
    "1.",
    ".5",
    "-0",
    "0x10",
    "1,5",
    "nan",
    "inf",
    "-inf",
    "1e400",
    "1e-400",
    "99999999999",
    "2147483647",
    "-2147483648",
    "2147483648",
    "\t16\t",
    "1 6",
    "0.03125",
    "0000000000000000000000000128",
    "1e",
    "e5",
    ".",
    "+",
    "-",
    "1.5e-3",
    "3.0000000000000000001",
    "32.000000001",
};

} // namespace

Step StepGenerator::Next(const WalkView& view) {
    if (view.modal == Role::About)
        return OnAbout();
    if (view.modal == Role::Remote)
        return OnRemote();
    return OnMainWindow(view);
}

namespace {

// Index of the weight that a uniform draw below their sum lands in.
int Choose(std::mt19937_64& rng, std::initializer_list<double> weights) {
    double total = 0.0;
    for (double w : weights)
        total += w;
    double draw = std::uniform_real_distribution<double>(0.0, total)(rng);
    int index = 0;
    for (double w : weights) {
        if (draw < w)
            return index;
        draw -= w;
        ++index;
    }
    return index - 1;
}

} // namespace

Step StepGenerator::OnMainWindow(const WalkView& view) {
    if (view.mainIconic && Chance(0.5))
        return {Action::SysCommand, Role::Main, kScRestore, {}};
    const PageSpec& page = Pages()[static_cast<std::size_t>(view.selectedTab)];
    // A user puts right the field the focus was sent to, often before anything else.
    if (view.focusRole == page.role && Chance(0.4)) {
        const std::vector<int> typed = TypedFields(page);
        if (std::find(typed.begin(), typed.end(), view.focusId) != typed.end())
            return {Action::Type, page.role, view.focusId, ValidText(page.role, view.focusId)};
    }
    switch (Choose(m_rng, {34, 28, 6, 6, 3, 2, 2, 2.5, 4, 3, 3, 1.5, 0.4})) {
    case 0: {
        std::vector<int> ids = TypedFields(page);
        if (Chance(0.05))
            ids = ResultFields(page).empty() ? ids : ResultFields(page);
        return TypeInto(page.role, Pick(ids));
    }
    case 1: {
        std::vector<int> ids;
        for (const CmdButton& cmd : page.cmds)
            ids.insert(ids.end(), {cmd.id, cmd.id, cmd.id, cmd.id});
        for (int id : page.otherButtons)
            ids.insert(ids.end(), {id, id});
        ids.insert(ids.end(), page.checkBoxes.begin(), page.checkBoxes.end());
        ids.insert(ids.end(), page.checkBoxes.begin(), page.checkBoxes.end());
        ids.insert(ids.end(), page.radios.begin(), page.radios.end());
        return {Action::Click, page.role, Pick(ids), {}};
    }
    case 2:
        return {Action::SelectTab, Role::Main, Below(4), {}};
    case 3:
        return {Action::Click, Role::Main, IDC_MAIN_APPLY, {}};
    case 4:
        return {Action::Click, Role::Main, IDC_MAIN_REMOTE, {}};
    case 5:
        return {Action::SysCommand, Role::Main, IDM_ABOUTBOX, {}};
    case 6:
        return {Action::SysCommand, Role::Main, view.mainIconic ? kScRestore : kScMinimize, {}};
    case 7:
        return EditorStep();
    case 8:
        return {Action::Key, Role::Main, Chance(0.6) ? kEnter : kEscape, {}};
    case 9:
        return Anywhere();
    case 10:
        return {Action::Key, Role::Main, TabSwitchKey(), {}};
    case 11:
        return ClipboardStep();
    default:
        if (Chance(0.5))
            return {Action::Close, Role::Main, 0, {}};
        return {Action::SysCommand, Role::Main, kScClose, {}};
    }
}

Step StepGenerator::OnAbout() {
    switch (Choose(m_rng, {30, 15, 10, 10, 15, 5})) {
    case 0:
        return {Action::Click,
                Role::About,
                Chance(0.5) ? IDC_ABOUT_CREDITS : IDC_ABOUT_REV_HISTORY,
                {}};
    case 1:
        return {Action::Click, Role::About, ui::kIdOk, {}};
    case 2:
        return {Action::Key, Role::About, Chance(0.5) ? kEnter : kEscape, {}};
    case 3:
        return {Action::Close, Role::About, 0, {}};
    case 5:
        return {Action::Key, Role::About, TabSwitchKey(), {}};
    default:
        return Anywhere();
    }
}

Step StepGenerator::OnRemote() {
    switch (Choose(m_rng, {40, 15, 10, 5, 15, 5, 8})) {
    case 0:
        return {Action::Click, Role::Remote, IDC_REMOTE_APPLY, {}};
    case 1:
        return {Action::Click, Role::Remote, ui::kIdCancel, {}};
    case 2:
        return {Action::Key, Role::Remote, Chance(0.5) ? kEnter : kEscape, {}};
    case 3:
        return EditorStep();
    case 5:
        return {Action::Key, Role::Remote, TabSwitchKey(), {}};
    case 6:
        return ClipboardStep();
    default:
        return Anywhere();
    }
}

// The editor starts with either kind of command line, or the mapper leaves
// something typed there, up to more than its command line holds.
Step StepGenerator::EditorStep() {
    if (Chance(0.6))
        return {Action::TypeInEditor, Role::Main, 0,
                Pick(std::vector<std::string>{"abc", "TEXALIGN", Repeat("x", Between(1, 300))})};
    const int kinds = static_cast<int>(std::size(uitest::kEveryKind));
    return {Action::StartEditor, Role::Main, Chance(0.8) ? Between(1, kinds) : 0, {}};
}

int StepGenerator::TabSwitchKey() {
    return Between(kCtrlTab, kCtrlPageUp);
}

// Holds around the retries' patience: one that ends inside it, one that outlasts
// it and wears off over a few Applies, and one that lasts until let go.
Step StepGenerator::ClipboardStep() {
    if (Chance(0.3))
        return {Action::LetGoOfClipboard, Role::Main, 0, {}};
    const int patience = static_cast<int>(kestrow::kClipboardPatience.count());
    const int retry = static_cast<int>(kestrow::kClipboardRetryPause.count());
    switch (Below(4)) {
    case 0:
        return {Action::HoldClipboard, Role::Main, kUntilLetGo, {}};
    case 1:
        return {Action::HoldClipboard, Role::Main, Between(1, patience), {}};
    case 2:
        return {Action::HoldClipboard, Role::Main, Between(patience + 1, 4 * patience), {}};
    default:
        return {Action::HoldClipboard,
                Role::Main,
                patience + Between(-1, 1) * (Chance(0.5) ? 1 : retry),
                {}};
    }
}

Step StepGenerator::Anywhere() {
    const Role role = static_cast<Role>(Below(static_cast<int>(Role::Remote) + 1));
    const std::vector<int> ids = ControlIds(role);
    switch (Choose(m_rng, {50, 30, 10, 10})) {
    case 0:
        return {Action::Click, role, Pick(ids), {}};
    case 1:
        return TypeInto(role, Pick(ids));
    case 2:
        return {Action::SelectTab, Role::Main, Below(4), {}};
    default:
        return {Action::Key, role, Chance(0.5) ? kEnter : kEscape, {}};
    }
}

Step StepGenerator::TypeInto(Role role, int id) {
    const NumberField* number = IsPage(role) ? FindNumber(Page(role), id) : nullptr;
    std::string text = number != nullptr ? NumberText(*number) : ExpressionText();
    return {Action::Type, role, id, std::move(text)};
}

std::string StepGenerator::ValidText(Role role, int id) {
    if (const NumberField* number = FindNumber(Page(role), id)) {
        if (number->isInt)
            return std::to_string(
                Between(static_cast<int>(number->min), static_cast<int>(number->max)));
        return Decimal(Uniform(number->min, number->max), Below(3));
    }
    return Chance(0.5) ? Pick(kValidExpressions) : std::to_string(Between(1, 4096));
}

std::string StepGenerator::Decimal(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string StepGenerator::NumberText(const NumberField& field) {
    switch (Choose(m_rng, {40, 15, 12, 8, 8, 8, 4, 5})) {
    case 0:
        if (!field.ranged)
            return std::to_string(Between(-1000, 1000));
        if (field.isInt)
            return std::to_string(
                Between(static_cast<int>(field.min), static_cast<int>(field.max)));
        return Decimal(Uniform(field.min, field.max), Below(4));
    case 1: {
        char buffer[64];
        const double edges[] = {field.min,     field.max,     field.min / 2,
                                field.max * 2, field.min - 1, field.max + 1};
        std::snprintf(buffer, sizeof buffer, "%.17g", edges[Below(6)]);
        return buffer;
    }
    case 2:
        return Pick(kNumberForms);
    case 3:
        return ExpressionText();
    case 4:
        return Chance(0.5) ? std::string() : Blanks();
    case 5:
        return Junk(static_cast<std::size_t>(Between(1, 12)));
    case 6:
        return LongText();
    default:
        return Decimal(Uniform(-1e6, 1e6), Below(6));
    }
}

std::string StepGenerator::ExpressionText() {
    switch (Choose(m_rng, {35, 15, 15, 8, 8, 6, 6, 5})) {
    case 0:
        return Expression(Between(0, 4));
    case 1:
        return Chance(0.5) ? Pick(kExpressionNumbers) : Decimal(Uniform(0, 70000), Below(4));
    case 2:
        return Malformed();
    case 3:
        return Chance(0.5) ? std::string() : Blanks();
    case 4:
        return Junk(static_cast<std::size_t>(Between(1, 20)));
    case 5:
        return LongText();
    case 6:
        return DeepText();
    default:
        return Pick(kExtremes);
    }
}

std::string StepGenerator::Expression(int depth) {
    if (depth <= 0 || Chance(0.3))
        return Chance(0.7) ? std::to_string(Between(0, 300))
                           : Decimal(Uniform(0, 100), Between(1, 3));
    static const char kInfix[] = "+-*/%";
    static const char kPrefix[] = "-+@";
    std::string text;
    switch (Below(10)) {
    case 6:
        return text.append("(").append(Expression(depth - 1)).append(")");
    case 7:
        return text.append(1, kPrefix[Below(3)]).append(Expression(depth - 1));
    case 8:
        return text.append("@(").append(Expression(depth - 1)).append(")");
    case 9:
        return text.append(Blanks()).append(Expression(depth - 1)).append(Blanks());
    default:
        return text.append(Expression(depth - 1))
            .append(1, kInfix[Below(5)])
            .append(Expression(depth - 1));
    }
}

std::string StepGenerator::Malformed() {
    if (Chance(0.4))
        return Pick(kMalformed);
    static const std::string kPieces = "()+-*/%@.x 0\t9";
    std::string text = Expression(3);
    for (int edits = Between(1, 2); edits > 0; --edits) {
        const auto at = static_cast<std::size_t>(Between(0, static_cast<int>(text.size())));
        if (Chance(0.5) || text.empty())
            text.insert(at, 1,
                        kPieces[static_cast<std::size_t>(Below(static_cast<int>(kPieces.size())))]);
        else
            text.erase(std::min(at, text.size() - 1), 1);
    }
    return text;
}

std::string StepGenerator::Junk(std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        // Mostly printable; an edit control holds no NUL.
        int c = Chance(0.8) ? Between(0x20, 0x7e) : Between(1, 255);
        text += static_cast<char>(c);
    }
    return text;
}

std::string StepGenerator::Blanks() {
    return Repeat(Chance(0.8) ? " " : "\t", Between(1, 5));
}

std::string StepGenerator::LongText() {
    const int length = Chance(0.8) ? Between(100, 4000) : Between(4000, 40000);
    switch (Below(5)) {
    case 0:
        return Repeat("1+", length / 2) + "1";
    case 1:
        return Repeat("9", length);
    case 2:
        return Junk(static_cast<std::size_t>(length));
    case 3:
        return Repeat(" ", length) + "7";
    default:
        return std::string("(").append(Repeat("3*", length / 2)).append("0)");
    }
}

std::string StepGenerator::DeepText() {
    const int depth = Chance(0.8) ? Between(10, 500) : Between(500, 20000);
    switch (Below(7)) {
    case 0:
        return Repeat("(", depth) + "1" + Repeat(")", depth);
    case 1:
        return Repeat("(", depth) + "1" + Repeat(")", depth - 1);
    case 2:
        return Repeat("-", depth) + "1";
    case 3:
        return Repeat("@", depth) + "16";
    case 4:
        return Repeat("-(", depth) + "2" + Repeat(")", depth);
    case 5:
        return Repeat("1+(", depth) + "0/0" + Repeat(")", depth);
    default:
        return Repeat("(", depth) + "2+" + Repeat(")", depth);
    }
}

} // namespace walk
