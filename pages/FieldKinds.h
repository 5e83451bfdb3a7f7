#pragma once

// The kinds of input field a calculator page has, each with its range and its
// default. Each page lists its fields once (pages/*Fields.h), for the page's
// data exchange and for kestrow-cli alike.

namespace kestrow {

// Exchanged as text and checked against an inclusive range by the data exchange.
struct IntField {
    int min;
    int max;
    int initial;
};
struct NumberField {
    double min;
    double max;
    double initial;
};

// Evaluated as an expression, then accepted from lowerBound to 65535.
struct ExpressionField {
    float lowerBound;
    const char* initial;
};

// A check box, 0 or 1, and a radio group, the index of the checked button.
struct CheckField {
    int initial;
};
struct RadioField {
    int initial;
};

inline constexpr const char* kExpressionRangeMessage =
    "Please enter an integer expression from 1 to 65535";

// The upper bound of every expression field.
inline constexpr float kExpressionUpperBound = 65535.0f;

// The expression-field rule's test: lowerBound <= value <= 65535; NaN fails.
inline bool ExpressionValueAccepted(float value, float lowerBound) {
    return value >= lowerBound && value <= kExpressionUpperBound;
}

} // namespace kestrow
