#include "music/lookup_translation.h"

#include "music/chord_formula.h"
#include "music/chord_spelling.h"
#include "music/fretboard.h"
#include "music/lookup_tokens.h"
#include "music/note_names.h"
#include "music/text_encoding.h"

#include <algorithm>
#include <array>

namespace tambrel {
namespace {

// One word of the tension list chosen for a tone, with its place in the written symbol.
struct Word {
    int rank;
    int offset;
    std::string text;
};

bool hasOffset(const std::vector<ChordTone>& tones, int offset) {
    return std::any_of(tones.begin(), tones.end(),
                       [offset](const ChordTone& t) { return t.offset == offset; });
}

const ChordTone* toneAt(const std::vector<ChordTone>& tones, int offset) {
    const auto it = std::find_if(tones.begin(), tones.end(),
                                 [offset](const ChordTone& t) { return t.offset == offset; });
    return it == tones.end() ? nullptr : &*it;
}

// The tension list's word for a tone added to the base, by its degree as written.
std::string addWord(const ChordTone& tone) {
    const int o = tone.offset;
    const bool add = tone.added;
    switch (o) {
    case 1:
        return add ? "add9-" : "9-";
    case 2:
        return add ? "add9" : tone.degree == 2 ? "2" : "9";
    case 3:
        return add ? "add9+" : "9+";
    case 4:
        return add ? "add11-" : "11-";
    case 5:
        if (tone.degree == 4) return add ? "add4" : "4";
        return add ? "add11" : "11";
    case 6:
        if (tone.degree == 4) return add ? "add4+" : "4+";
        return add ? "add11+" : "11+";
    case 8:
        if (tone.degree == 6) return add ? "add6-" : "6-";
        return add ? "add13-" : "13-";
    case 9:
        if (tone.degree == 6) return add ? "add6" : "6";
        return add ? "add13" : "13";
    case 10:
        return "7";
    case 11:
        return "7+";
    default:
        return {};
    }
}

// Where a word stands in the written symbol: a sixth before the seventh, then the fifth's
// replacements, the ninths, elevenths and thirteenths.
int addRank(const ChordTone& tone) {
    if (tone.offset == 10 || tone.offset == 11) return 2;
    switch (tone.degree) {
    case 6:
        return 1;
    case 2:
    case 9:
        return 4;
    case 4:
    case 11:
        return 5;
    default:
        return 6;
    }
}

// The words of the tension list that compose exactly these tones (offsets, the root among
// them), or nothing when the list has no words for them: no word leaves out the fifth without
// a b5 or #5 in its place.
std::optional<std::vector<Word>> wordsFor(const std::vector<ChordTone>& tones) {
    auto has = [&tones](int o) { return hasOffset(tones, o); };
    if (!has(0) || (!has(6) && !has(7) && !has(8))) return std::nullopt;
    std::array<bool, 12> done{};
    done[0] = true;
    std::vector<Word> words;
    auto word = [&](int rank, int offset, std::string text) {
        done[offset] = true;
        words.push_back({rank, offset, std::move(text)});
    };

    if (has(3) && has(6) && has(9) && !has(4) && !has(7)) {
        word(0, 3, "dim"); // the diminished seventh base
        done[6] = done[9] = true;
    } else if (has(4)) {
        done[4] = true;
    } else if (has(3)) {
        word(0, 3, "m");
    } else {
        // No third: a sus where the symbol has one, else the power chord's base.
        const ChordTone* fourth = toneAt(tones, 5);
        const ChordTone* second = toneAt(tones, 2);
        if (fourth && fourth->degree == 4) {
            word(9, 5, "sus4");
        } else if (second && second->degree == 2) {
            word(9, 2, "sus2");
        } else {
            word(0, 7, "5");
        }
    }
    if (has(7)) {
        done[7] = true;
    } else {
        // The fifth's replacements remove the perfect fifth of the base.
        if (has(6) && !done[6]) word(3, 6, "5-");
        if (has(8)) word(3, 8, "5+");
    }
    for (const ChordTone& tone : tones) {
        if (done[tone.offset]) continue;
        const std::string text = addWord(tone);
        if (text.empty()) return std::nullopt;
        word(tone.added ? 7 : addRank(tone), tone.offset, text);
    }
    std::stable_sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
        return a.rank != b.rank ? a.rank < b.rank : a.offset < b.offset;
    });
    return words;
}

// A note name the lookup accepts for a pitch class, as written where it can be.
std::string lookupNoteName(const std::string& written, int pitch) {
    if (noteIndexOf(written) == pitch) return written;
    return noteNames()[pitch];
}

std::string symbolText(const StandardChord& chord, const std::vector<Word>& words) {
    std::string text = lookupNoteName(chord.rootName, chord.root);
    for (std::size_t i = 0; i < words.size(); ++i) {
        // The first word follows the root, and a word follows "m" directly, as the lookup
        // splits "Cm7" itself; the others stand after a slash.
        const bool direct = i == 0 || words[i - 1].text == "m";
        if (!direct) text += '/';
        text += words[i].text;
    }
    if (chord.bass >= 0 && chord.bass != chord.root)
        text += "/" + lookupNoteName(chord.bassName, chord.bass);
    return text;
}

// What the lookup composes from a text, as sounding pitch classes; nothing when it would not
// read the text wholly or would refuse a tone under `limit`.
std::optional<std::vector<int>> composedPitchClasses(const std::string& text, int limit) {
    const LookupTokens read = readLookupTokens(text);
    if (!lookupReadsWholly(read)) return std::nullopt;
    std::vector<std::string> typed;
    for (const LookupToken& token : read.tokens) typed.push_back(token.text);
    if (read.bass != kNoNote) typed.pop_back();
    const LookupFormula formula = composeLookupFormula(typed, limit);
    if (!formula.refused.empty()) return std::nullopt;
    std::vector<int> pitches;
    for (std::size_t i = 0; i + 1 < formula.intervals.size(); i += 3) {
        const int offset = std::stoi(formula.intervals.substr(i, 2));
        pitches.push_back((read.root + offset) % 12);
    }
    if (read.bass != kNoNote) pitches.push_back(read.bass);
    std::sort(pitches.begin(), pitches.end());
    pitches.erase(std::unique(pitches.begin(), pitches.end()), pitches.end());
    return pitches;
}

std::vector<int> pitchesOf(const StandardChord& chord, const std::vector<ChordTone>& tones) {
    std::vector<int> pitches;
    pitches.reserve(tones.size() + 1);
    for (const ChordTone& tone : tones) pitches.push_back((chord.root + tone.offset) % 12);
    if (chord.bass >= 0) pitches.push_back(chord.bass);
    std::sort(pitches.begin(), pitches.end());
    pitches.erase(std::unique(pitches.begin(), pitches.end()), pitches.end());
    return pitches;
}

// The text for these tones when the lookup composes them exactly under `limit`.
std::optional<std::string> expressed(const StandardChord& chord,
                                     const std::vector<ChordTone>& tones, int limit) {
    const auto words = wordsFor(tones);
    if (!words) return std::nullopt;
    const std::string text = symbolText(chord, *words);
    const auto composed = composedPitchClasses(text, limit);
    if (!composed || *composed != pitchesOf(chord, tones)) return std::nullopt;
    return text;
}

// Which tone goes first when the chord is too big: lower is sooner.
int dropOrder(const ChordTone& tone) {
    if (tone.degree == 5 && tone.offset == 7) return 0;
    if (tone.degree == 11 && tone.offset == 5) return 1;
    if (tone.degree == 9 && tone.offset == 2) return 2;
    switch (tone.degree) {
    case 13:
        return 3;
    case 11:
        return 4;
    case 9:
        return 5;
    case 6:
        return 6;
    default:
        break;
    }
    if (tone.added) return 7;
    return -1; // root, third, sus, altered fifth and seventh stay
}

} // namespace

std::optional<LookupTranslation> translateForLookup(const StandardChord& chord) {
    const bool separateBass = chord.bass >= 0 && chord.bass != chord.root;
    const int limit = noteLimitFor(chord.root, separateBass ? chord.bass : chord.root);
    const std::size_t room = separateBass ? 5 : 6;

    // Each offset once, as the first degree that brings it.
    std::vector<ChordTone> tones;
    for (const ChordTone& tone : chord.tones)
        if (!hasOffset(tones, tone.offset)) tones.push_back(tone);

    LookupTranslation translation;
    if (!hasOffset(tones, 6) && !hasOffset(tones, 7) && !hasOffset(tones, 8)) {
        // The tension list has no word that leaves out the fifth alone.
        const ChordTone fifth{5, 7, false};
        tones.push_back(fifth);
        translation.kept.push_back(fifth);
    }

    // The bass sounds its own tone: the formula need not hold it when that makes room.
    const int bassOffset = separateBass ? (chord.bass - chord.root + 12) % 12 : -1;
    auto fits = [&](const std::vector<ChordTone>& candidate) {
        return candidate.size() <= room ? expressed(chord, candidate, limit) : std::nullopt;
    };
    for (;;) {
        if (auto text = fits(tones)) {
            translation.text = *text;
            translation.pitchClasses = pitchesOf(chord, tones);
            return translation;
        }
        if (bassOffset > 0 && hasOffset(tones, bassOffset)) {
            std::vector<ChordTone> without = tones;
            std::erase_if(without,
                          [bassOffset](const ChordTone& t) { return t.offset == bassOffset; });
            if (auto text = fits(without)) {
                translation.text = *text;
                translation.pitchClasses = pitchesOf(chord, without);
                return translation;
            }
        }
        // Leave out the first tone in the order whose removal the tension list can still
        // write; with nothing left to leave out, the chord cannot be written.
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < tones.size(); ++i)
            if (dropOrder(tones[i]) >= 0) order.push_back(i);
        std::stable_sort(order.begin(), order.end(), [&tones](std::size_t a, std::size_t b) {
            const int da = dropOrder(tones[a]);
            const int db = dropOrder(tones[b]);
            // Among tensions of one kind the highest goes first.
            return da != db ? da < db : tones[a].offset > tones[b].offset;
        });
        bool dropped = false;
        for (std::size_t index : order) {
            std::vector<ChordTone> without = tones;
            without.erase(without.begin() + static_cast<std::ptrdiff_t>(index));
            if (!wordsFor(without) || !expressed(chord, without, 1000)) continue;
            translation.dropped.push_back(tones[index]);
            tones = std::move(without);
            dropped = true;
            break;
        }
        if (!dropped) return std::nullopt;
    }
}

std::string translationNotice(const std::string& typed, const StandardChord& chord,
                              const LookupTranslation& translation) {
    auto names = [&chord](const std::vector<ChordTone>& tones) {
        std::string text;
        for (const ChordTone& tone : tones) {
            if (!text.empty()) text += ", ";
            text += spellNote(chord.rootName, tone.degree, tone.offset) + " (" +
                    std::to_string(tone.degree) + ")";
        }
        return text;
    };
    std::string notice;
    if (!translation.dropped.empty()) {
        const bool separateBass = chord.bass >= 0 && chord.bass != chord.root;
        notice =
            typed + ": a chord holds " +
            (separateBass ? std::string("five notes and the bass") : std::string("six notes")) +
            "; left out " + names(translation.dropped);
    }
    if (!translation.kept.empty()) {
        if (!notice.empty())
            notice += ". ";
        else
            notice = typed + ": ";
        notice += "the tension list cannot leave out the fifth; kept " + names(translation.kept) +
                  " (tick \"(omit5)\" to leave it out)";
    }
    return notice;
}

SymbolForLookup symbolForLookup(const std::string& typed) {
    SymbolForLookup result;
    result.text = utf8ToCp1252(typed);
    // What the lookup reads rightly today keeps its reading: "C9" stays the list's own "9".
    if (lookupReadsWholly(readLookupTokens(result.text))) return result;
    const SymbolReading reading = readChordSymbol(typed);
    if (!reading.chord) return result;
    const auto translation = translateForLookup(*reading.chord);
    if (!translation) return result;
    result.text = translation->text;
    result.translated = true;
    result.notice = translationNotice(typed, *reading.chord, *translation);
    return result;
}

} // namespace tambrel
