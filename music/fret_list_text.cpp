#include "music/fret_list_text.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tambrel {
namespace {

bool isSeparatorBesidesHyphen(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '.' || c == '/';
}

bool isMute(std::string_view entry) {
    return entry == "x" || entry == "X";
}

} // namespace

FretListReading readFretList(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.empty()) return {std::nullopt, "no fret list: write six frets or x, low string first"};

    // A hyphen separates only where nothing else does ("X-3-2-0-1-0"); beside blanks or commas
    // it is a sign, and "-1" no fret.
    const bool otherSeparators = std::any_of(text.begin(), text.end(), isSeparatorBesidesHyphen);
    auto isFretSeparator = [otherSeparators](char c) {
        return otherSeparators ? isSeparatorBesidesHyphen(c) : c == '-';
    };
    std::vector<std::string_view> entries;
    const bool separated = otherSeparators || text.find('-') != std::string_view::npos;
    if (separated) {
        std::size_t start = 0;
        while (start < text.size()) {
            while (start < text.size() && isFretSeparator(text[start])) ++start;
            std::size_t end = start;
            while (end < text.size() && !isFretSeparator(text[end])) ++end;
            if (end > start) entries.push_back(text.substr(start, end - start));
            start = end;
        }
    } else {
        if (text.size() > kStringCount &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return {std::nullopt, "'" + std::string(text) +
                                      "': frets above 9 need blanks or commas between the strings"};
        for (std::size_t i = 0; i < text.size(); ++i) entries.push_back(text.substr(i, 1));
    }
    if (entries.size() != static_cast<std::size_t>(kStringCount))
        return {std::nullopt, "'" + std::string(text) + "' has " + std::to_string(entries.size()) +
                                  " strings; a fret list has six, low string first"};

    FretList frets{};
    for (int s = 0; s < kStringCount; ++s) {
        const std::string_view entry = entries[s];
        if (isMute(entry)) {
            frets[s] = kMuted;
            continue;
        }
        const bool digits =
            entry.size() <= 2 &&
            std::all_of(entry.begin(), entry.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int fret = digits ? std::atoi(std::string(entry).c_str()) : -1;
        if (!digits || fret > kHighestNamedFret)
            return {std::nullopt, "'" + std::string(entry) + "' is neither a fret from 0 to " +
                                      std::to_string(kHighestNamedFret) + " nor x"};
        frets[s] = fret;
    }
    return {frets, {}};
}

std::string writeFretList(const Fretting& fretting, FretListStyle style) {
    const FretList& frets = fretting.frets();
    const bool compact =
        style.separator == FretSeparator::Compact &&
        std::all_of(frets.begin(), frets.end(), [](int f) { return f == kMuted || f <= 9; });
    const char* between = compact ? "" : style.separator == FretSeparator::Hyphens ? "-" : " ";
    std::string text;
    for (int s = 0; s < kStringCount; ++s) {
        if (s > 0) text += between;
        text += frets[s] == kMuted ? std::string(1, style.muted) : std::to_string(frets[s]);
    }
    return text;
}

} // namespace tambrel
