#pragma once
// What the fretting hand holds: each string's fret, and the strings where a barre begins, kept
// apart. A fret is never negative here; writing the first string of a barre as a negative fret
// ("-1 3 3 2 1 1") is only the voicing entry text's way of saying it, read and written by this
// value alone.
#include "music/fretboard.h"

#include <cstdint>
#include <initializer_list>
#include <iosfwd>

namespace tambrel {

class Fretting {
  public:
    Fretting() = default; // every string open
    // A fret list in the entry text's way: -f for the first string of a barre at fret f.
    Fretting(const FretList& marked) { // NOLINT(google-explicit-constructor): the same fingering
        // Inline: the search makes one of these for every fingering it lists.
        for (int s = 0; s < kStringCount; ++s) {
            const int v = marked[s];
            frets_[s] = v < 0 ? -v : v;
            barres_ = static_cast<std::uint8_t>(barres_ | (v < 0 ? 1U : 0U) << s);
        }
    }
    Fretting(std::initializer_list<int> marked); // six values, the same way
    // Frets 0.. or 99, and bit s of `barres` for each string where a barre begins.
    static Fretting withBarres(const FretList& frets, unsigned barres) {
        Fretting fretting;
        fretting.frets_ = frets;
        fretting.barres_ = static_cast<std::uint8_t>(barres);
        return fretting;
    }

    // Each string's fret, string 0 first: 99 muted, 0 open, f fretted.
    const FretList& frets() const { return frets_; }
    int fret(int s) const { return frets_[s]; }
    bool muted(int s) const { return frets_[s] == kMuted; }
    // Whether a barre begins at string s (it runs towards the higher strings from there).
    bool beginsBarre(int s) const { return (barres_ >> s & 1U) != 0; }
    // Bit s for each string where a barre begins.
    unsigned barres() const { return barres_; }
    // The same fingering in the entry text's way.
    FretList marked() const {
        FretList list = frets_;
        for (int s = 0; s < kStringCount; ++s)
            if (beginsBarre(s)) list[s] = -list[s];
        return list;
    }

    friend bool operator==(const Fretting&, const Fretting&) = default;

  private:
    FretList frets_{};
    std::uint8_t barres_ = 0;
};

// Written as a voicing entry writes it: "-1 3 3 2 1 1 ".
std::ostream& operator<<(std::ostream& out, const Fretting& fretting);

// One number for each distinct fingering (frets and barres): the search lists a fingering
// once however many ways it finds it, and "Common voicings" once whichever search found it.
// Frets 0..28: five bits a string (29 muted), then a bit for each barre.
using FingeringKey = unsigned long long;
inline FingeringKey fingeringKey(const Fretting& fretting) {
    FingeringKey key = 0;
    for (int v : fretting.frets()) key = key * 32 + static_cast<FingeringKey>(v == kMuted ? 29 : v);
    return key << kStringCount | fretting.barres();
}

} // namespace tambrel
