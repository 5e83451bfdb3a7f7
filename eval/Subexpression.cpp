#include "eval/Subexpression.h"

#include <vector>

#include "eval/NumberReader.h"
#include "eval/Operators.h"

namespace kestrow {
namespace {

constexpr int kBracketPrecedence = 0;
constexpr int kPrefixOperandPrecedence = 1000;

// What a suspended level does with the outcome of the level it started.
enum class Awaiting : unsigned char { BracketInside, PrefixOperand, RightOperand };

struct SuspendedLevel {
    float value; // the left-hand value while a right operand is read
    int precedence;
    Awaiting awaiting;
    char op;
};

// The levels are the frames of a recursive descent, but kept in a vector
// rather than on the native stack: any depth of brackets and prefix operators
// evaluates exactly as the recursion would, with no stack overflow and memory
// linear in the depth.
class Evaluation {
public:
    Evaluation(MessageSink& owner, ExpressionText& text, int precedence)
        : owner_(owner), text_(text), precedence_(precedence) {}

    bool Run(float& result) {
        Step step = Step::ReadValue;
        for (;;) {
            switch (step) {
            case Step::ReadValue:
                step = ReadValue();
                break;
            case Step::ReadOperator:
                step = ReadOperator();
                break;
            case Step::LevelDone:
                if (suspended_.empty()) {
                    if (succeeded_)
                        result = value_;
                    return succeeded_;
                }
                step = ResumeSuspended();
                break;
            }
        }
    }

private:
    enum class Step { ReadValue, ReadOperator, LevelDone };

    Step Succeed() {
        succeeded_ = true;
        return Step::LevelDone;
    }

    Step Fail() {
        succeeded_ = false;
        return Step::LevelDone;
    }

    Step StartLevel(Awaiting awaiting, char op, int precedence) {
        suspended_.push_back(SuspendedLevel{value_, precedence_, awaiting, op});
        precedence_ = precedence;
        return Step::ReadValue;
    }

    Step ReadValue() {
        value_ = 0;
        Token token = NextChar(text_);
        if (token.IsDigit() || token.Is('.')) {
            value_ = ReadNumber(text_, token);
            current_ = token;
            return Step::ReadOperator;
        }
        if (token.Is('('))
            return StartLevel(Awaiting::BracketInside, '(', kBracketPrecedence);
        if (IsPrefixOperator(token))
            return StartLevel(Awaiting::PrefixOperand, token.character, kPrefixOperandPrecedence);
        owner_.ShowMessage("No value recognized");
        return Fail();
    }

    Step ReadOperator() {
        if (current_.atEnd)
            return Succeed();
        if (current_.Is(')')) {
            PutBack(text_, current_);
            return Succeed();
        }
        if (const auto precedence = InfixPrecedence(current_)) {
            if (precedence_ > *precedence) {
                PutBack(text_, current_);
                return Succeed();
            }
            return StartLevel(Awaiting::RightOperand, current_.character, *precedence + 1);
        }
        // The character is consumed, and the value so far stands.
        owner_.ShowMessage("Unrecognized Operator");
        return Succeed();
    }

    Step ResumeSuspended() {
        const SuspendedLevel level = suspended_.back();
        suspended_.pop_back();
        const float outcome = value_;
        value_ = level.value;
        precedence_ = level.precedence;
        switch (level.awaiting) {
        case Awaiting::BracketInside:
            return AfterBracketInside(outcome);
        case Awaiting::PrefixOperand:
            return AfterPrefixOperand(level.op, outcome);
        case Awaiting::RightOperand:
            return AfterRightOperand(level.op, outcome);
        }
        return Fail();
    }

    Step AfterBracketInside(float inside) {
        if (!succeeded_)
            return Fail();
        value_ = inside;
        // Drops the token that ended the inside, which is the closing bracket
        // unless the inside was cut short.
        NextChar(text_);
        current_ = NextChar(text_);
        return Step::ReadOperator;
    }

    Step AfterPrefixOperand(char op, float operand) {
        if (!succeeded_)
            return Fail();
        const auto applied = ApplyPrefix(owner_, op, operand);
        if (!applied)
            return Fail();
        value_ = *applied;
        current_ = NextChar(text_);
        return Step::ReadOperator;
    }

    Step AfterRightOperand(char op, float right) {
        if (!succeeded_) {
            return Succeed(); // the left-hand value stands, without another message
        }
        const auto combined = ApplyInfix(owner_, op, value_, right);
        if (!combined)
            return Fail();
        value_ = *combined;
        current_ = NextChar(text_);
        return Step::ReadOperator;
    }

    MessageSink& owner_;
    ExpressionText& text_;
    std::vector<SuspendedLevel> suspended_;
    int precedence_;
    float value_ = 0;
    Token current_;
    bool succeeded_ = false;
};

} // namespace

bool EvalSubexpression(MessageSink& owner, ExpressionText& text, float& result, int precedence) {
    return Evaluation(owner, text, precedence).Run(result);
}

} // namespace kestrow
