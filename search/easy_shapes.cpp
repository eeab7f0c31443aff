#include "search/easy_shapes.h"

#include <bitset>
#include <cstdint>
#include <unordered_set>

namespace tambrel {

const std::string& easyShapeText() {
    // Each shape is written exactly as the search writes that fingering, barre marks included,
    // so a found fret text can be looked up unchanged. Blanks are significant.
    static const std::string text =
        std::string("99 6 5 -3 4 3 , 3 2 0 0 3 3 , 0 2 2 1 0 0 , -1 3 3 2 1 1 , -2 4 4 3 2 2 ,  "
                    "0 2 2 0 0 0 , -1 3 3 1 1 1 , -2 4 4 2 2 2 ,  -3 5 5 3 3 3 ,  -4 6 6 4 4 4 , "
                    "99 0 2 2 1 0 , ") +
        "-4 6 6 5 4 4 , 99 -6 8 8 9 6 , 0 2 2 2 0 0 , 99 -4 6 6 7 4 , 99 -3 5 5 6 3 , "
        "-1 3 3 3 1 99 , " +
        "-2 4 4 4 2 99 , -4 6 6 6 4 4 , 99 3 2 0 3 3 , 0 2 0 1 0 0 , -1 3 1 2 1 1 , "
        "3 2 0 0 0 1 , " +
        "-4 6 4 5 4 4 , 99 -3 5 3 4 3 , 99 -4 6 4 5 4 , 0 2 0 0 0 0 , -1 3 1 1 1 1 , "
        "-3 5 3 3 3 99 , " +
        "-4 6 4 4 4 4 , 99 -2 4 2 3 2 , 99 -3 5 5 4 3 , 99 -4 6 6 5 4 , 99 -6 8 8 7 6 , "
        "99 3 0 3 4 3 ";
    return text;
}

namespace {

// FNV-1a, cheap enough to run on every found fingering.
std::uint32_t quickHash(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

constexpr std::size_t kLongest = 20; // a fret text is looked up by its first 20 characters
constexpr std::size_t kFilterBits = std::size_t{1} << 20;

struct SubstringIndex {
    std::unordered_set<std::string_view> substrings;
    // One bit per hash value of some substring: most fingerings are turned away here, without
    // touching the set.
    std::bitset<kFilterBits> filter;
};

const SubstringIndex& substringIndex() {
    static const SubstringIndex index = [] {
        SubstringIndex built;
        const std::string_view text = easyShapeText();
        for (std::size_t at = 0; at < text.size(); ++at) {
            for (std::size_t length = 1; length <= kLongest && at + length <= text.size();
                 ++length) {
                const std::string_view piece = text.substr(at, length);
                built.substrings.insert(piece);
                built.filter.set(quickHash(piece) % kFilterBits);
            }
        }
        return built;
    }();
    return index;
}

} // namespace

bool occursInEasyShapes(std::string_view fretText) {
    if (fretText.size() > kLongest) return easyShapeText().find(fretText) != std::string::npos;
    if (fretText.empty()) return true;
    const SubstringIndex& index = substringIndex();
    if (!index.filter.test(quickHash(fretText) % kFilterBits)) return false;
    return index.substrings.count(fretText) > 0;
}

} // namespace tambrel
