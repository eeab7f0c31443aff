#include "search/display_order.h"

#include "search/easy_shapes.h"

#include <algorithm>
#include <utility>

namespace tambrel {

void putInDisplayOrder(std::vector<Voicing>& found) {
    for (Voicing& voicing : found) {
        const EntryTextBuffer entry(voicing);
        if (occursInEasyShapes(entry.fretText().substr(0, 20))) {
            voicing.promoted = true;
            break;
        }
    }
    sortByEntryText(found);
}

void sortByEntryText(std::vector<Voicing>& found) {
    // Each entry text is written once, then the voicings follow their texts' order.
    std::vector<std::pair<EntryTextBuffer, std::size_t>> keyed;
    keyed.reserve(found.size());
    for (std::size_t i = 0; i < found.size(); ++i) keyed.emplace_back(EntryTextBuffer(found[i]), i);
    std::sort(keyed.begin(), keyed.end(),
              [](const auto& a, const auto& b) { return a.first.text() < b.first.text(); });
    std::vector<Voicing> ordered;
    ordered.reserve(found.size());
    for (const auto& entry : keyed) ordered.push_back(found[entry.second]);
    found = std::move(ordered);
}

} // namespace tambrel
