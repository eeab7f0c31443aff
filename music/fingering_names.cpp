#include "music/fingering_names.h"

#include "music/chord_names.h"

#include <algorithm>
#include <cstdlib>

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

FingeringNames nameFingering(const FretList& frets, const MidiNoteTable& midi,
                             const NoteNames& names) {
    FingeringNames named;
    named.pitchClass.fill(-1);
    std::vector<std::pair<int, int>> sounding; // MIDI note, pitch class
    for (int s = 0; s < kStringCount; ++s) {
        const int fret = std::abs(frets[s]);
        if (frets[s] == kMuted || fret >= kFretColumns) continue;
        const int note = midi[s][fret];
        const int pitch = ((note % 12) + 12) % 12;
        named.pitchClass[s] = pitch;
        named.noteName[s] = names[pitch];
        sounding.emplace_back(note, pitch);
    }
    if (sounding.empty()) return named;

    std::stable_sort(sounding.begin(), sounding.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [note, pitch] : sounding) {
        if (std::find(named.tones.begin(), named.tones.end(), pitch) == named.tones.end())
            named.tones.push_back(pitch);
    }
    named.bass = named.tones.front();
    const std::vector<RootReading> roots = chordReadings(named.tones, named.bass, names);
    named.readings = plainReadings(roots, named.bass, names);
    named.engineNames = chordNameLines(roots);
    return named;
}

std::string fretListText(const FretList& frets) {
    const bool compact = std::all_of(frets.begin(), frets.end(),
                                     [](int f) { return f == kMuted || std::abs(f) <= 9; });
    std::string text;
    for (int f : frets) {
        if (!compact && !text.empty()) text += ' ';
        text += f == kMuted ? std::string("x") : std::to_string(std::abs(f));
    }
    return text;
}

bool sameFrets(const FretList& a, const FretList& b) {
    for (int s = 0; s < kStringCount; ++s)
        if (std::abs(a[s]) != std::abs(b[s])) return false;
    return true;
}

std::string fingeringMismatch(const FretList& frets, const MidiNoteTable& midi,
                              const FingeringLimits& limits, const NoteNames& names) {
    std::vector<int> sounding;
    int lowestString = -1;
    int low = 1000;
    int high = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const int fret = std::abs(frets[s]);
        if (frets[s] == kMuted || fret >= kFretColumns) continue;
        if (lowestString < 0) lowestString = s;
        sounding.push_back(midi[s][fret] % 12);
        if (fret > 0) {
            low = std::min(low, fret);
            high = std::max(high, fret);
        }
    }
    if (sounding.empty()) return "no notes";
    auto sounds = [&sounding](int pitch) {
        return std::find(sounding.begin(), sounding.end(), pitch) != sounding.end();
    };
    auto isChordTone = [&limits](int pitch) {
        return pitch == limits.bassNote ||
               std::find(limits.chordTones.begin(), limits.chordTones.end(), pitch) !=
                   limits.chordTones.end();
    };
    for (int pitch : limits.chordTones) {
        if (sounds(pitch)) continue;
        if (pitch == (limits.rootNote + limits.fifthInterval) % 12)
            return "it leaves out the fifth, " + names[pitch] + ": tick \"(omit5)\"";
        if (pitch == (limits.rootNote + limits.thirdInterval) % 12)
            return "it leaves out the third, " + names[pitch] + ": tick \"(omit3)\"";
        return "it leaves out " + names[pitch] + ", a tone of the chord";
    }
    for (int pitch : sounding)
        if (!isChordTone(pitch)) return "it sounds " + names[pitch] + ", no tone of the chord";
    const int bassPitch = midi[lowestString][std::abs(frets[lowestString])] % 12;
    if (bassPitch != limits.bassNote)
        return "its lowest string sounds " + names[bassPitch] + ", not the bass " +
               names[limits.bassNote];
    if (lowestString > 2) return "its bass lies above the third string";
    if (std::abs(frets[lowestString]) >= limits.maxFret)
        return "its bass at fret " + std::to_string(std::abs(frets[lowestString])) +
               " lies beyond \"Up to fret\" " + std::to_string(limits.maxFret);
    if (low < 1000 && high - low >= limits.distance)
        return "it spans frets " + std::to_string(low) + " to " + std::to_string(high) +
               ", beyond \"Distance\" " + std::to_string(limits.distance);
    return {};
}

} // namespace tambrel
