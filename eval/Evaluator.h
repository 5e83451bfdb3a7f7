#pragma once

#include <string>

#include "eval/MessageSink.h"

namespace kestrow {

// Evaluates the arithmetic expression of an input field: decimal numbers,
// brackets, infix "+", "-", "/", "%", "*" (three precedence levels: "*" binds
// tighter than "/" and "%"), prefix "-", "+" and "@" (square root), blanks
// ignored anywhere. Every intermediate value is a 32-bit float.
//
// Malformed input is reported through `owner`, and the caller still gets a
// number: 0 after an error that ends the evaluation, the value evaluated so far
// after one that only cuts it short. Text left after the expression is ignored.
float EvalExpression(MessageSink& owner, std::string text);

} // namespace kestrow
