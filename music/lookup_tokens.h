#pragma once
// How the search button's lookup cuts a typed chord symbol into its root, its tension tokens
// and its bass, and how it composes a formula from those tokens. One pure reading, shared by
// the lookup itself and by the test of whether the lookup reads a text wholly.
#include <string>
#include <vector>

namespace tambrel {

// The seven characters that end a token: "/", "\", ",", "(", ")", ".", " ".
bool isSymbolSeparator(char c);

struct LookupToken {
    std::string text;
    char separator = ' '; // the separator that ended the token
    int item = -1;        // the tension item its text matches without regard to case, or -1
    // The token equals that item's text exactly, so it enters the formula.
    bool exact = false;
};

struct LookupTokens {
    int root = 12;        // pitch class of the root, 12 when the text starts with no note name
    std::string rootText; // the root exactly as typed: one or two characters
    // The symbol text as read: the typed text with a blank appended, and "/" inserted after an
    // "m" that directly follows the root and is followed by no separator ("Cm7" -> "Cm/7 ").
    std::string text;
    std::vector<LookupToken> tokens; // every non-empty token in typed order, the bass included
    int bass = 12;                   // pitch class named by the last token, 12 when it names none
};

// Steps 2 to 5 and the bass of step 8 of the lookup, on a Windows-1252 text.
LookupTokens readLookupTokens(const std::string& text);

// Whether the lookup reads every part of the text as written: a root, and every token but a
// closing bass note a tension item typed in the item's own letter case. Such a text keeps the
// lookup's reading; any other is misread by it (a word it ignores, "maj" taken for "m" and
// leftover letters, "M" ticking "m" without making the chord minor, a lower-case root).
bool lookupReadsWholly(const LookupTokens& tokens);

struct LookupFormula {
    std::string intervals;    // base + added, as `chordIntervals`
    std::vector<int> refused; // tension items unticked by the note limit, in list order
};

// Steps 10 and 11: the base from the last base item typed, then every three-character item
// typed, in list order, under the note limit (17 characters without a separate bass, else 14).
// `typed` are the token texts, the bass removed; items match them exactly.
LookupFormula composeLookupFormula(const std::vector<std::string>& typed, int limit);

} // namespace tambrel
