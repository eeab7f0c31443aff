#include "music/chord_names.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <unordered_set>

namespace tambrel {

namespace {

// The piece each interval left over after the third and the fifth adds to the quality text.
// 0, 4 and 7 add nothing: a leftover 4 is the major third beside a minor one, a leftover 0
// or 7 a doubled tone.
constexpr std::array<std::string_view, 12> kIntervalPieces{
    "", "/add2-", "/add2", "/add2+", "", "/4", "/4+", "", "/6-", "/6", "/6+", "/7+"};

bool isPitchClass(int p) {
    return p >= 0 && p <= 11;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Replaces the first occurrence of `from`; false (and text untouched) when there is none.
bool replaceFirst(std::string& text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos) return false;
    text.replace(at, from.size(), to);
    return true;
}

void eraseFirst(std::string& text, std::string_view part) {
    replaceFirst(text, part, {});
}

// Removes the first entry equal to `value`; false when there is none.
bool removeFirst(std::vector<int>& intervals, int value) {
    const auto it = std::find(intervals.begin(), intervals.end(), value);
    if (it == intervals.end()) return false;
    intervals.erase(it);
    return true;
}

// Names compare as unsigned bytes, so the 0xBA of a Windows-1252 name sorts after the letters:
// the character traits of std::string compare chars as unsigned char.
bool byteLess(const std::string& a, const std::string& b) {
    return a.compare(b) < 0;
}

std::string_view withoutTrailingControls(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
    return text;
}

// One candidate root and what every name built for it shares.
struct Candidate {
    std::string rootName;
    std::string bassPart; // "" when the bass is this root, else "/" + the bass's name
    bool no3 = false;
    bool no5 = false;
};

// The omission suffix of a rewritten name: a sus4 name has no third to miss.
std::string rewriteSuffix(const Candidate& c, const std::string& quality) {
    std::string suffix;
    if (c.no3 && !contains(quality, "sus")) suffix += " (no3)";
    if (c.no5) suffix += " (no5)";
    return suffix;
}

// Rewrites every variant into its further forms, and those forms in turn, until no rule
// applies. Each rule looks at the variant itself, not at another rule's result, and removes
// the text that triggers it, so the walk ends.
void expandVariants(const Candidate& c, std::vector<std::string> variants,
                    std::vector<std::string>& names) {
    // A variant reached again by another order of rewrites would only rebuild names already
    // in the list, and equal names collapse into one line; expanding it once keeps chords with
    // many doubled tones from multiplying the work.
    std::unordered_set<std::string> known(variants.begin(), variants.end());
    auto emit = [&](std::string quality, const std::string& suffix) {
        names.push_back(c.rootName + quality + c.bassPart + suffix);
        if (known.insert(quality).second) variants.push_back(std::move(quality));
    };

    // By index: emit() grows the list under the walk.
    for (std::size_t i = 0; i < variants.size(); ++i) { // NOLINT(modernize-loop-convert)
        const std::string v = variants[i];              // a copy: emit() may grow the list under us

        if (c.no3 && contains(v, "/4")) {
            std::string t = v;
            eraseFirst(t, "/4"); // a "/4+" leaves its "+" behind
            emit("/sus4" + t, c.no5 ? " (no5)" : " ");
        }
        if (std::string t = v; replaceFirst(t, "/6+", "/7")) emit(t, rewriteSuffix(c, t));
        if (std::string t = v; replaceFirst(t, "2", "9")) emit(t, rewriteSuffix(c, t));
        if (std::string t = v; replaceFirst(t, "/4", "/add11")) emit(t, rewriteSuffix(c, t));
        if (std::string t = v; replaceFirst(t, "/6", "/add13")) emit(t, rewriteSuffix(c, t));
    }
}

// The reading from `root`, its names appended to reading.names unsorted.
RootReading nameFromRoot(const std::vector<int>& tones, int root, bool isChordRoot, int bassNote,
                         const NoteNames& noteName) {
    RootReading reading;
    reading.root = root;
    reading.bassIsRoot = bassNote == root;
    std::vector<std::string>& names = reading.names;
    Candidate c;
    c.rootName = noteName[root];
    if (bassNote != root) c.bassPart = "/" + noteName[bassNote];

    std::vector<int> intervals;
    intervals.reserve(tones.size());
    for (int t : tones) intervals.push_back((t - root + 12) % 12);
    std::sort(intervals.begin(), intervals.end());
    reading.intervals = intervals;

    std::string quality;

    // The lowest 3 or 4 is the third, so with both present the chord reads as minor.
    const auto third =
        std::find_if(intervals.begin(), intervals.end(), [](int i) { return i == 3 || i == 4; });
    if (third == intervals.end()) {
        c.no3 = true;
    } else {
        reading.third = *third;
        if (*third == 3) quality += "m";
        intervals.erase(third);
    }

    // A perfect fifth wins; otherwise the lowest of a diminished or augmented one.
    if (removeFirst(intervals, 7)) {
        reading.fifth = 7;
    } else {
        const auto fifth = std::find_if(intervals.begin(), intervals.end(),
                                        [](int i) { return i == 6 || i == 8; });
        if (fifth == intervals.end()) {
            c.no5 = true;
        } else {
            reading.fifth = *fifth;
            quality += *fifth == 8 ? "/5+" : "/5-";
            intervals.erase(fifth);
        }
    }

    for (int i : intervals) quality += kIntervalPieces[i];
    reading.others = intervals;
    reading.quality = quality;

    std::string omission;
    if (c.no3) omission += " (no3)";
    if (c.no5) omission += " (no5)";

    // The name read from the chord's own root leaves the bass out, even a foreign one.
    names.push_back(c.rootName + quality + (isChordRoot ? "" : c.bassPart) + omission);

    std::vector<std::string> variants{quality};

    // A minor chord with diminished fifth and sixth is the diminished seventh chord.
    if (quality.starts_with("m") && contains(quality, "/5-") && contains(quality, "/6") &&
        !contains(quality, "/5+") && !contains(quality, "/6+") && !contains(quality, "/6-")) {
        std::string t = quality;
        eraseFirst(t, "m");
        eraseFirst(t, "/5-");
        eraseFirst(t, "/6");
        t = "/dim" + t;
        names.push_back(c.rootName + t + c.bassPart);
        variants.push_back(std::move(t));
    }

    expandVariants(c, std::move(variants), names);
    return reading;
}

} // namespace

std::vector<RootReading> chordReadings(std::vector<int> chordTones, int bassNote,
                                       const NoteNames& rootGridNames) {
    if (!isPitchClass(bassNote) || !std::all_of(chordTones.begin(), chordTones.end(), isPitchClass))
        return {};

    // The bass is also tried as a root.
    if (std::find(chordTones.begin(), chordTones.end(), bassNote) == chordTones.end())
        chordTones.push_back(bassNote);

    std::vector<RootReading> readings;
    readings.reserve(chordTones.size());
    for (std::size_t j = 0; j < chordTones.size(); ++j)
        readings.push_back(
            nameFromRoot(chordTones, chordTones[j], j == 0, bassNote, rootGridNames));
    return readings;
}

std::vector<std::string> listChordNames(std::vector<int> chordTones, int bassNote,
                                        const NoteNames& rootGridNames) {
    return chordNameLines(chordReadings(std::move(chordTones), bassNote, rootGridNames));
}

std::vector<std::string> chordNameLines(const std::vector<RootReading>& readings) {
    std::vector<std::string> names;
    for (const RootReading& reading : readings)
        names.insert(names.end(), reading.names.begin(), reading.names.end());

    std::sort(names.begin(), names.end(), byteLess);

    std::vector<std::string> lines;
    if (names.empty()) return lines;

    // The first line stands exactly as built.
    lines.push_back(names.front());
    std::string_view kept = withoutTrailingControls(names.front());
    for (std::size_t i = 1; i < names.size(); ++i) {
        const std::string_view bare = withoutTrailingControls(names[i]);
        if (bare == kept) continue; // of equal names only the first of the run stays
        kept = bare;
        std::string line = names[i];
        eraseFirst(line, "/");
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace tambrel
