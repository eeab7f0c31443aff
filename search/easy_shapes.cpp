#include "easy_shapes.h"

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

bool occursInEasyShapes(std::string_view fretText) {
    constexpr std::size_t kLongest = 20; // a fret text is looked up by its first 20 characters
    static const std::unordered_set<std::string_view> substrings = [] {
        std::unordered_set<std::string_view> all;
        const std::string_view text = easyShapeText();
        for (std::size_t at = 0; at < text.size(); ++at) {
            for (std::size_t length = 1; length <= kLongest && at + length <= text.size(); ++length)
                all.insert(text.substr(at, length));
        }
        return all;
    }();
    if (fretText.size() > kLongest) return easyShapeText().find(fretText) != std::string::npos;
    return fretText.empty() || substrings.count(fretText) > 0;
}

} // namespace tambrel
