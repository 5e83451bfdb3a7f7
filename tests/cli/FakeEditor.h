#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/EditorChannel.h"

namespace kestrow::testing {

// Stands in for the editor on the desktop: records what it is sent and answers
// each send from a script, Taken once the script runs out.
class FakeEditor {
public:
    explicit FakeEditor(std::vector<cli::SendResult> answers = {})
        : state_(std::make_shared<State>(State{std::move(answers), {}, 0})) {}

    std::function<std::unique_ptr<cli::EditorChannel>()> Opener() const {
        return [state = state_] {
            ++state->opened;
            return std::make_unique<Channel>(state);
        };
    }

    const std::vector<std::string>& Sent() const { return state_->sent; }
    int Opened() const { return state_->opened; }

private:
    struct State {
        std::vector<cli::SendResult> answers;
        std::vector<std::string> sent;
        int opened;
    };

    class Channel final : public cli::EditorChannel {
    public:
        explicit Channel(std::shared_ptr<State> state) : state_(std::move(state)) {}
        cli::SendResult Send(const std::string& command) override {
            const std::size_t index = state_->sent.size();
            state_->sent.push_back(command);
            return index < state_->answers.size() ? state_->answers[index] : cli::SendResult::Taken;
        }

    private:
        std::shared_ptr<State> state_;
    };

    std::shared_ptr<State> state_;
};

} // namespace kestrow::testing
