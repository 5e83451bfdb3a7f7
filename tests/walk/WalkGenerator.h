#pragma once

#include "WalkPages.h"
#include "WalkStep.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace walk {

// What the generator may look at to choose a step a user would plausibly take.
struct WalkView {
    std::optional<Role> modal; // the about box or the remote window, when open
    int selectedTab = 0;
    bool mainIconic = false;
    std::optional<Role> focusRole; // where the focus is, e.g. in a field just rejected
    int focusId = 0;
};

// Random steps from a seed: mostly what a user does on the page in front of
// them, sometimes anything at all, with texts from plain numbers to junk.
class StepGenerator {
public:
    explicit StepGenerator(std::uint64_t seed) : m_rng(seed) {}

    Step Next(const WalkView& view);

private:
    Step OnMainWindow(const WalkView& view);
    Step OnAbout();
    Step OnRemote();
    Step Anywhere(); // any window and control, often one the user cannot reach
    int TabSwitchKey();
    Step ClipboardStep(); // another program takes or lets go of the clipboard
    Step EditorStep();    // the editor starts, or the mapper types in its command line
    Step TypeInto(Role role, int id);

    std::string ValidText(Role role, int id);
    std::string NumberText(const NumberField& field);
    std::string ExpressionText();
    std::string Expression(int depth);
    std::string Malformed();
    std::string Junk(std::size_t length);
    std::string LongText();
    std::string DeepText();
    std::string Blanks();
    std::string Decimal(double value, int decimals);

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    double Uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(m_rng);
    }
    bool Chance(double p) { return Uniform(0.0, 1.0) < p; }
    template <class T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

    std::mt19937_64 m_rng;
};

} // namespace walk
