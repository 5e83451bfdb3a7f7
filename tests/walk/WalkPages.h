#pragma once

#include "WalkStep.h"

#include <vector>

namespace walk {

// The controls of each calculator page as the walk sees them: what a user can
// type into or press, and the order in which reading the page checks them.

struct NumberField {
    int id;
    bool isInt;
    bool isResult; // read-only; the calculation fills it
    bool ranged;
    double min;
    double max;
    const char* rangeMessage;
};

struct ExpressionField {
    int id;
    float lowerBound;
};

struct CmdButton {
    int id;
    const char* label;
};

struct PageSpec {
    Role role;
    std::vector<NumberField> numbers;         // exchange order, result fields included
    std::vector<ExpressionField> expressions; // evaluation order
    std::vector<CmdButton> cmds;
    std::vector<int> otherButtons; // the Swap buttons
    std::vector<int> checkBoxes;
    std::vector<int> radios;
    bool showsResults; // a successful calculation writes every field back
};

const PageSpec& Page(Role role);
const std::vector<PageSpec>& Pages();

// The fields a user types into: numbers that are not results, then expressions.
std::vector<int> TypedFields(const PageSpec& page);
std::vector<int> ResultFields(const PageSpec& page);
const NumberField* FindNumber(const PageSpec& page, int id);
const ExpressionField* FindExpression(const PageSpec& page, int id);
const CmdButton* FindCmd(const PageSpec& page, int id);

// Push buttons of any of our windows, and the button Enter presses when the
// focus is not on one.
bool IsPushButton(Role role, int id);
int DefaultButton(Role role);
// Every control id a step may address in the window, hidden ones included.
std::vector<int> ControlIds(Role role);

} // namespace walk
