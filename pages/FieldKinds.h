#pragma once

// The kinds of field a calculator page has. Each field carries its name (the
// input's name in kestrow-cli's options and reports), its control and its
// default; the input fields also carry the range they are checked against.

namespace kestrow {

// Exchanged as text and checked against an inclusive range by the data exchange.
struct IntField {
    const char* name;
    int id;
    int min, max, initial;
};
struct NumberField {
    const char* name;
    int id;
    double min, max, initial;
};

// Evaluated as an expression, then accepted from lowerBound to 65535.
struct ExpressionField {
    const char* name;
    int id;
    float lowerBound;
    const char* initial;
};

// A check box, 0 or 1.
struct CheckField {
    const char* name;
    int id;
    int initial;
};

// The two buttons that choose the axis a command addresses: the index of the
// checked one, 0 for U; none checked reads as -1, which means V.
struct AxisField {
    const char* name;
    int uId, vId;
    int initial;
};
inline char AxisOf(int applyTo) {
    return applyTo == 0 ? 'U' : 'V';
}

// A calculated value. The window shows it in a read-only field when `id` is not 0.
struct ResultField {
    const char* name;
    const char* caption;
    int id;
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
