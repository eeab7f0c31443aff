#pragma once
// A list of voicings as the texts of their entries, for comparing lists with their failures
// readable.
#include "search/voicing.h"

#include <string>
#include <vector>

namespace tambrel {

inline std::vector<std::string> entryTexts(const std::vector<Voicing>& voicings) {
    std::vector<std::string> texts;
    texts.reserve(voicings.size());
    for (const Voicing& v : voicings) texts.push_back(entryText(v));
    return texts;
}

} // namespace tambrel
