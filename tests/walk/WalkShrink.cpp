#include "Walker.h"

#include <algorithm>
#include <chrono>

namespace walk {

std::vector<Step> Shrink(const HostFactory& makeHost, std::vector<Step> steps,
                         const std::string& check, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(seconds));
    // Replays a candidate; on the same failure, cuts it after the failing step.
    const auto stillFails = [&](std::vector<Step>& candidate) {
        Walker walker(makeHost);
        walker.Replay(candidate);
        const auto& failure = walker.Failure();
        if (!failure || failure->check != check)
            return false;
        candidate.erase(candidate.begin() +
                            static_cast<std::ptrdiff_t>(std::min(candidate.size(), failure->step)),
                        candidate.end());
        return true;
    };
    stillFails(steps);
    std::size_t parts = 2;
    while (steps.size() > 1 && std::chrono::steady_clock::now() < deadline) {
        const std::size_t chunk = (steps.size() + parts - 1) / parts;
        bool dropped = false;
        for (std::size_t start = 0; start < steps.size(); start += chunk) {
            std::vector<Step> candidate(steps.begin(),
                                        steps.begin() + static_cast<std::ptrdiff_t>(start));
            candidate.insert(candidate.end(),
                             steps.begin() +
                                 static_cast<std::ptrdiff_t>(std::min(start + chunk, steps.size())),
                             steps.end());
            if (stillFails(candidate)) {
                steps = std::move(candidate);
                parts = std::max<std::size_t>(parts - 1, 2);
                dropped = true;
                break;
            }
            if (std::chrono::steady_clock::now() >= deadline)
                break;
        }
        if (!dropped) {
            if (parts >= steps.size())
                break;
            parts = std::min(parts * 2, steps.size());
        }
    }
    return steps;
}

} // namespace walk
