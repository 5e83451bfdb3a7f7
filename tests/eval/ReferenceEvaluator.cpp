#include "tests/eval/ReferenceEvaluator.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace kestrow::reference {
namespace {

bool IsDigitToken(const std::string& token) {
    return token.size() == 1 && token[0] >= '0' && token[0] <= '9';
}

bool FitsInt32(float x) {
    return x >= -2147483648.0f && x < 2147483648.0f;
}

// Integer remainder through int32 where both operands fit, long division by
// doubling beyond; no fmod, so the evaluator's shortcut is checked, not copied.
float Remainder(float dividend, float divisor) {
    if (std::isnan(dividend) || std::isinf(dividend)) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    if (FitsInt32(dividend) && FitsInt32(divisor)) {
        const auto a = static_cast<std::int32_t>(dividend);
        const auto b = static_cast<std::int32_t>(divisor);
        return b == -1 ? 0.0f : static_cast<float>(a % b);
    }
    // Floats this far out are whole numbers already.
    const double a = FitsInt32(dividend) ? static_cast<std::int32_t>(dividend) : dividend;
    const double b = FitsInt32(divisor) ? static_cast<std::int32_t>(divisor) : divisor;
    const double step = std::fabs(b);
    double rest = std::fabs(a);
    while (rest >= step) {
        double chunk = step;
        while (chunk * 2 <= rest) {
            chunk *= 2;
        }
        rest -= chunk;
    }
    if (rest == 0) {
        return 0.0f;
    }
    return static_cast<float>(a < 0 ? -rest : rest);
}

class Reference {
public:
    Reference(std::string text, int maxDepth) : text_(std::move(text)), maxDepth_(maxDepth) {}

    Outcome Run() {
        int open = 0;
        for (char c : text_) {
            open += c == '(' ? 1 : c == ')' ? -1 : 0;
        }
        float value = 0;
        if (open != 0) {
            outcome_.messages.push_back("Mismatched brackets.");
        } else if (!Sub(value, 0)) {
            outcome_.messages.push_back("Error in expression.");
            value = 0;
        }
        outcome_.value = value;
        return outcome_;
    }

private:
    std::string NextChar() {
        while (!text_.empty()) {
            const char c = text_[0];
            text_.erase(0, 1);
            if (c != ' ') {
                return std::string(1, c);
            }
        }
        return "";
    }

    void PutBack(const std::string& token) { text_.insert(0, token); }

    static float DigitValue(std::string digits) {
        float value = 0;
        for (char c : digits) {
            if (c == ' ') {
                continue;
            }
            if (c < '0' || c > '9') {
                break;
            }
            value = static_cast<float>(value * 10.0 + (c - '0'));
        }
        return value;
    }

    void Show(const char* message) { outcome_.messages.push_back(message); }

    bool Sub(float& result, int precedence) {
        if (depth_ >= maxDepth_) {
            outcome_.tooDeep = true;
            return false;
        }
        ++depth_;
        const bool ok = SubLevel(result, precedence);
        --depth_;
        return ok;
    }

    bool SubLevel(float& result, int precedence) {
        float value = 0;
        std::string token = NextChar();
        if (IsDigitToken(token) || token == ".") {
            while (IsDigitToken(token)) {
                value = static_cast<float>(DigitValue(token) + 10.0 * value);
                token = NextChar();
            }
            if (token == ".") {
                float scale = 0.1f;
                token = NextChar();
                while (IsDigitToken(token)) {
                    value =
                        static_cast<float>(value + DigitValue(token) * static_cast<double>(scale));
                    scale = static_cast<float>(scale * static_cast<double>(0.1f));
                    token = NextChar();
                }
            }
        } else if (token == "(") {
            if (!Sub(value, 0)) {
                return false;
            }
            NextChar();
            token = NextChar();
        } else if (token == "-" || token == "+" || token == "@") {
            if (!Sub(value, 1000)) {
                return false;
            }
            if (token == "-") {
                value = -value;
            } else if (token == "@") {
                if (value < 0 || value != value) {
                    Show("Can't take square root of negative number");
                    return false;
                }
                value = static_cast<float>(std::sqrt(static_cast<double>(value)));
            }
            token = NextChar();
        } else {
            Show("No value recognized");
            return false;
        }

        for (;;) {
            if (token.empty()) {
                result = value;
                return true;
            }
            if (token == ")") {
                PutBack(token);
                result = value;
                return true;
            }
            int p = 0;
            if (token == "+" || token == "-") {
                p = 1;
            } else if (token == "/" || token == "%") {
                p = 2;
            } else if (token == "*") {
                p = 3;
            } else {
                Show("Unrecognized Operator");
                result = value;
                return true;
            }
            if (precedence > p) {
                PutBack(token);
                result = value;
                return true;
            }
            float right = 0;
            if (!Sub(right, p + 1)) {
                result = value;
                return true;
            }
            if (token == "+") {
                value = static_cast<float>(static_cast<double>(value) + right);
            } else if (token == "-") {
                value = static_cast<float>(static_cast<double>(value) - right);
            } else if (token == "*") {
                value = static_cast<float>(static_cast<double>(value) * right);
            } else if (token == "/") {
                if (right == 0 || right != right) {
                    Show("Division by zero isn't allowed");
                    return false;
                }
                value = static_cast<float>(static_cast<double>(value) / right);
            } else {
                if (right != right || (right > -1.0f && right < 1.0f)) {
                    Show("Modulo zero isn't allowed");
                    return false;
                }
                value = Remainder(value, right);
            }
            token = NextChar();
        }
    }

    std::string text_;
    int maxDepth_;
    int depth_ = 0;
    Outcome outcome_;
};

} // namespace

Outcome Evaluate(const std::string& text, int maxDepth) {
    return Reference(text, maxDepth).Run();
}

} // namespace kestrow::reference
