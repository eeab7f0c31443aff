#include "search/voicing_search.h"

#include "search/display_order.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

namespace tambrel {

std::string searchRequestFor(const std::string& intervals, int root, int rootNote, int bassNote) {
    const std::vector<int> read = readIntervalList(intervals);
    std::string tones;
    // The bass already stands for the root when they are the same note.
    for (std::size_t i = rootNote == bassNote ? 1 : 0; i < read.size(); ++i)
        tones += std::to_string(((read[i] + root) % 12 + 12) % 12) + ' ';
    return tones;
}

std::string buildSearchRequest(const std::string& intervals, int rootNote, int bassNote) {
    SearchInputs inputs;
    inputs.rootNote = rootNote;
    inputs.bassNote = bassNote;
    return requestText(queryOfIntervals(intervals, inputs));
}

namespace {

constexpr int kNoTone = -1;

// One search's working data: the two grids, the needed tones and the entries found so far.
class VoicingSearch {
  public:
    VoicingSearch(const SearchInputs& in, std::vector<int> chordTones)
        : in_(in), chordTones_(std::move(chordTones)) {
        // Room for the largest lists at the widest limits, so the search rarely reallocates.
        found_.reserve(1024);
        seen_.reserve(2048);
    }

    SearchResult run(int bassPitch);

  private:
    void fillGrids(int bassPitch);
    void searchWindow(int bassString, int lo, int hi);
    void walk(int s, int sounding, int missing, int low, int high);
    void evaluate();
    int countFingers(const FretList& frets, unsigned& barres) const;

    const SearchInputs& in_;
    std::vector<int> chordTones_;
    FretGrid bassGrid_{};
    FretGrid toneGrid_{};
    int lastFret_ = 0; // the grids are filled for frets 0..lastFret_
    FretList frets_{};
    int firstUpperString_ = 0;
    // One odometer digit: the values an upper string takes in a window, in order.
    struct Digit {
        std::array<int, kFretColumns + 2> values{};
        int count = 0;
    };
    std::array<Digit, kStringCount> digits_{};
    // How often each pitch class is needed above the bass, and how often it sounds there.
    std::array<int, 12> need_{};
    std::array<int, 12> have_{};
    int missingAtStart_ = 0;
    std::vector<Voicing> found_;
    std::unordered_set<FingeringKey> seen_;
};

void VoicingSearch::fillGrids(int bassPitch) {
    lastFret_ = std::min(in_.maxFret + 4, kFretColumns - 1);
    for (int s = 0; s < kStringCount; ++s) {
        for (int f = 0; f < kFretColumns; ++f) {
            const int pitch = (in_.stringNote[s] + f) % 12;
            const bool inRange = f <= lastFret_;
            bassGrid_[s][f] = inRange && pitch == bassPitch ? pitch : kNoTone;
        }
    }
}

SearchResult VoicingSearch::run(int bassPitch) {
    fillGrids(bassPitch);

    // The omitted tones are gone from the chord, though the bass grid above still has them.
    auto removeTone = [this](int tone) {
        auto it = std::find(chordTones_.begin(), chordTones_.end(), tone);
        if (it != chordTones_.end()) chordTones_.erase(it);
    };
    if (in_.omit3) removeTone((in_.thirdInterval + in_.rootNote) % 12);
    if (in_.omit5) removeTone((in_.fifthInterval + in_.rootNote) % 12);

    for (int s = 0; s < kStringCount; ++s) {
        for (int f = 0; f < kFretColumns; ++f) {
            const int pitch = (in_.stringNote[s] + f) % 12;
            const bool wanted =
                std::find(chordTones_.begin(), chordTones_.end(), pitch) != chordTones_.end();
            toneGrid_[s][f] = f <= lastFret_ && wanted ? pitch : kNoTone;
        }
    }

    // The root is never needed above the bass, nor is the bass note itself. Each other entry
    // needs a string of its own, a repeated tone as often as it is repeated.
    for (std::size_t i = 1; i < chordTones_.size(); ++i) {
        if (chordTones_[i] == in_.bassNote) continue;
        const int pitch = chordTones_[i];
        if (pitch >= 0 && pitch < 12) {
            ++need_[pitch];
            ++missingAtStart_;
        } else {
            missingAtStart_ = kStringCount; // a tone no string can sound
        }
    }

    // Every bass position on the three lowest strings below the fret limit, each used once.
    for (int w = 0; w < 3; ++w) {
        for (int b = 0; b < in_.maxFret && b < kFretColumns; ++b) {
            if (bassGrid_[w][b] == kNoTone) continue;
            bassGrid_[w][b] = kNoTone;
            firstUpperString_ = w + 1;
            for (int s = 0; s < w; ++s) frets_[s] = kMuted;
            frets_[w] = b;
            const int windows = b > 0 ? 5 : in_.maxFret;
            for (int a = 0; a < windows; ++a) searchWindow(w, b + a - 4, b + a);
        }
    }

    putInDisplayOrder(found_);
    return SearchResult{chordTones_, std::move(found_)};
}

// Counts the upper strings through like an odometer, the highest string the fastest digit:
// each string starts at the lowest chord tone below the window's top (an open string, or a
// fret inside the window), then takes every higher chord tone up to the top, then is muted.
// Open strings are reached only as starting values. The odometer visits every combination in
// order, so it is walked here depth first in that same order, skipping the combinations that
// cannot be listed: too few strings left to sound three or to cover the needed tones, a muted
// middle string under "Easy chords", or a stretch already beyond the Distance.
void VoicingSearch::searchWindow(int bassString, int lo, int hi) {
    const int first = bassString + 1;
    for (int s = first; s < kStringCount; ++s) {
        Digit& digit = digits_[s];
        digit.count = 0;
        int initial = kMuted;
        for (int f = 0; f < hi && f <= lastFret_; ++f) {
            if (toneGrid_[s][f] != kNoTone && (f == 0 || f >= lo)) {
                initial = f;
                break;
            }
        }
        digit.values[digit.count++] = initial;
        if (initial != kMuted) {
            for (int f = std::max(lo, initial + 1); f <= hi && f <= lastFret_; ++f) {
                if (toneGrid_[s][f] != kNoTone) digit.values[digit.count++] = f;
            }
            digit.values[digit.count++] = kMuted;
        }
    }
    const int bassFret = frets_[bassString];
    const int low = bassFret > 0 ? bassFret : 1000;
    const int high = bassFret > 0 ? bassFret : 0;
    walk(first, 0, missingAtStart_, low, high);
}

void VoicingSearch::walk(int s, int sounding, int missing, int low, int high) {
    if (s == kStringCount) {
        if (sounding >= 3 && missing == 0) evaluate();
        return;
    }
    const int remaining = kStringCount - 1 - s; // strings after this one
    const Digit& digit = digits_[s];
    for (int i = 0; i < digit.count; ++i) {
        const int fret = digit.values[i];
        frets_[s] = fret;
        if (fret == kMuted) {
            if (in_.easyChords && s >= 2) continue;
            if (sounding + remaining < 3 || missing > remaining) continue;
            walk(s + 1, sounding, missing, low, high);
            continue;
        }
        int newLow = low;
        int newHigh = high;
        if (fret > 0) {
            newLow = std::min(low, fret);
            newHigh = std::max(high, fret);
            if (newLow < 1000 && in_.distance <= newHigh - newLow) continue;
        }
        const int pitch = toneGrid_[s][fret];
        const bool fills = have_[pitch] < need_[pitch];
        const int newMissing = missing - (fills ? 1 : 0);
        if (sounding + 1 + remaining < 3 || newMissing > remaining) continue;
        ++have_[pitch];
        walk(s + 1, sounding + 1, newMissing, newLow, newHigh);
        --have_[pitch];
    }
}

// Fingers needed for a fret list, a barre counting as one; sets the bit of each string where a
// barre begins in `barres`.
int VoicingSearch::countFingers(const FretList& frets, unsigned& barres) const {
    int fretted = 0;
    int lowest = 1000;
    for (int v : frets) {
        if (v >= 1 && v <= 98) {
            ++fretted;
            lowest = std::min(lowest, v);
        }
    }
    if (fretted <= 4) return fretted;

    // Main barre: from the first string at the lowest fret over every later one at that fret,
    // unless an open string lies under it.
    int j = 0;
    while (frets[j] != lowest) ++j;
    int barred = 0;
    for (int k = j + 1; k < kStringCount; ++k) {
        if (frets[k] < lowest) {
            barred = 0;
            break;
        }
        if (frets[k] == lowest) ++barred;
    }
    if (barred > 0) barres |= 1U << j;
    if (barred > 0 && in_.noBarreChords) return 6;
    if (fretted - barred <= 4) return fretted - barred;

    // Partial barres at higher frets: one finger laid over neighbouring strings at one fret.
    // (The main barre's string lies at the lowest fret: it neither begins one of these nor lets
    // one pass it.)
    int partial = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const int v = frets[s];
        if (v == kMuted || v <= lowest) continue;
        int count = 0;
        for (int k = s + 1; k < kStringCount; ++k) {
            if (frets[k] < v) break;
            if (frets[k] == v) ++count;
        }
        if (count >= 2 || (count == 1 && s == 4)) {
            barres |= 1U << s;
            partial += count;
        }
    }
    return fretted - barred - partial;
}

// Evaluates one combination that sounds three upper strings and covers every needed tone.
void VoicingSearch::evaluate() {
    const FretList& frets = frets_;
    unsigned barres = 0;
    if (countFingers(frets, barres) > 4) return;
    if (in_.easyChords) {
        for (int s = 2; s < kStringCount; ++s)
            if (frets[s] == kMuted) return;
    }

    // A barre's first string never counts as the highest fret.
    int lowest = 100;
    int highest = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const int v = frets[s];
        if (v == kMuted) continue;
        if (v != 0) lowest = std::min(lowest, v);
        if ((barres >> s & 1U) == 0) highest = std::max(highest, v);
    }

    int run = 0;
    for (int s = kStringCount - 1; s >= 0 && frets[s] != kMuted; --s) ++run;
    int stringSet = 50;
    if (run == 4 && frets[0] == kMuted && frets[1] == kMuted)
        stringSet = 10;
    else if (run == 5 && frets[0] == kMuted)
        stringSet = 20;
    else if (run == 6)
        stringSet = 30;

    if (in_.distance <= highest - lowest) return;
    if (highest <= 5) lowest = 1;

    // The figures follow from the frets and barres, so equal fingerings are equal voicings.
    const Fretting fingering = Fretting::withBarres(frets, barres);
    if (!seen_.insert(fingeringKey(fingering)).second) return;

    found_.push_back(Voicing{fingering, lowest + 10, stringSet, highest + 10, false});
}

} // namespace

namespace {

// The search proper: the bass note to stand on the lowest sounding string, the chord tones
// above it, under inputs whose tuning a capo has already raised.
SearchResult searchUnderCapo(SearchInputs inputs, std::vector<int> chordTones, int bassPitch) {
    // A capo is a tuning raised by its frets, with frets counted from it.
    inputs.stringNote = tuningUnderCapo(inputs.stringNote, inputs.capo);
    VoicingSearch search(inputs, std::move(chordTones));
    return search.run(bassPitch);
}

} // namespace

SearchResult findVoicings(const ChordQuery& query) {
    return searchUnderCapo(query.inputs, query.tones, query.inputs.bassNote);
}

SearchResult findVoicings(const std::string& request, const SearchInputs& inputs) {
    // The request's tokens: the bass first, then the chord tones. All are read before anything
    // is searched, so a malformed request gives an error and no list at all.
    std::vector<int> numbers;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = request.find(' ', start);
        const std::string token =
            request.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
        numbers.push_back(readInteger(token));
        if (blank == std::string::npos) break;
        start = blank + 1;
    }
    // The bass stands for the root when they are the same note; otherwise the root follows it.
    const std::size_t firstTone = inputs.bassNote == inputs.rootNote ? 0 : 1;
    return searchUnderCapo(inputs, {numbers.begin() + firstTone, numbers.end()}, numbers.front());
}

FretList fretListOfEntry(const std::string& entry) {
    FretList frets{};
    frets.fill(kMuted);
    if (entry.size() < 8) return frets;
    const char* p = entry.c_str() + 7;
    for (int s = 0; s < kStringCount; ++s) {
        char* end = nullptr;
        const long v = std::strtol(p, &end, 10);
        if (end == p) break;
        frets[s] = static_cast<int>(v);
        p = end;
    }
    return frets;
}

} // namespace tambrel
