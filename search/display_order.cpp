#include "display_order.h"

#include "easy_shapes.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <utility>

namespace tambrel {

void putInDisplayOrder(std::vector<Voicing>& found) {
    for (Voicing& voicing : found) {
        const std::string text = fretText(voicing.frets);
        if (occursInEasyShapes(std::string_view(text).substr(0, 20))) {
            voicing.promoted = true;
            break;
        }
    }

    // Each entry text is written once, then the voicings follow their texts' order.
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(found.size());
    for (std::size_t i = 0; i < found.size(); ++i) keyed.emplace_back(entryText(found[i]), i);
    std::sort(keyed.begin(), keyed.end());
    std::vector<Voicing> ordered;
    ordered.reserve(found.size());
    for (const auto& [text, index] : keyed) ordered.push_back(found[index]);
    found = std::move(ordered);
}

} // namespace tambrel
