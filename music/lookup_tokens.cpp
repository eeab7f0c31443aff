#include "music/lookup_tokens.h"

#include "music/chord_formula.h"
#include "music/chord_vocabulary.h"
#include "music/fretboard.h"
#include "music/note_names.h"

#include <algorithm>

namespace tambrel {
namespace {

unsigned char lowerAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
}

bool equalIgnoringCase(const std::string& a, const char* b) {
    const std::string other(b);
    if (a.size() != other.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(static_cast<unsigned char>(a[i])) !=
            lowerAscii(static_cast<unsigned char>(other[i])))
            return false;
    }
    return true;
}

} // namespace

bool isSymbolSeparator(char c) {
    return c == '/' || c == '\\' || c == ',' || c == '(' || c == ')' || c == '.' || c == ' ';
}

LookupTokens readLookupTokens(const std::string& typed) {
    const auto& tensions = tensionList();
    LookupTokens result;
    std::string symbol = typed + " ";

    // A two-character root wins over a one-character one: "Cb5" is B with a "5".
    result.root = noteIndexOf(symbol.substr(0, 2));
    std::size_t start = 2; // where the tensions begin
    if (result.root == kNoNote) {
        result.root = noteIndexOf(symbol.substr(0, 1));
        start = 1;
    }
    result.rootText = symbol.substr(0, start);

    // "Cm7" is read as "Cm/7"; "Cm", "Cm/7" and "Cm(9)" stay as they are.
    if (start + 1 < symbol.size() && symbol[start] == 'm' && !isSymbolSeparator(symbol[start + 1]))
        symbol = symbol.substr(0, start + 1) + "/" + symbol.substr(start + 1);

    std::string token;
    for (std::size_t i = start; i < symbol.size(); ++i) {
        const char c = symbol[i];
        if (!isSymbolSeparator(c)) {
            token += c;
            continue;
        }
        if (token.empty()) continue;
        LookupToken read;
        read.text = token;
        read.separator = c;
        for (int item = 0; item < kTensionCount; ++item) {
            if (!equalIgnoringCase(token, tensions[item].text)) continue;
            read.item = item;
            read.exact = token == tensions[item].text;
            break;
        }
        result.tokens.push_back(std::move(read));
        token.clear();
    }
    result.text = std::move(symbol);
    if (!result.tokens.empty()) result.bass = noteIndexOf(result.tokens.back().text);
    return result;
}

bool lookupReadsWholly(const LookupTokens& tokens) {
    if (tokens.root == kNoNote) return false;
    const std::size_t tensions = tokens.tokens.size() - (tokens.bass == kNoNote ? 0 : 1);
    return std::all_of(tokens.tokens.begin(), tokens.tokens.begin() + tensions,
                       [](const LookupToken& token) { return token.exact; });
}

LookupFormula composeLookupFormula(const std::vector<std::string>& typed, int limit) {
    const auto& tensions = tensionList();
    auto wasTyped = [&typed](const char* text) {
        return std::find(typed.begin(), typed.end(), text) != typed.end();
    };
    // The last base item typed wins; item 0's empty text never matches a token.
    FormulaBuilder formula(limit);
    for (int k = 0; k < kTensionCount; ++k) {
        if (classifyTension(tensions[k].code) == TensionKind::Base && wasTyped(tensions[k].text))
            formula.setBase(tensions[k].code);
    }
    LookupFormula composed;
    // The tensions enter in list order, not in typed order.
    for (int l = 1; l < kTensionCount; ++l) {
        const std::string code = tensions[l].code;
        if (code.size() != 3 || !wasTyped(tensions[l].text)) continue;
        if (!formula.addTension(code)) composed.refused.push_back(l);
    }
    composed.intervals = formula.formula();
    return composed;
}

} // namespace tambrel
