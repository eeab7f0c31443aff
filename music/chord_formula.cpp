#include "music/chord_formula.h"

#include "music/chord_vocabulary.h"

namespace tambrel {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

void removeFirst(std::string& text, const std::string& part) {
    const std::size_t at = text.find(part);
    if (at != std::string::npos) text.erase(at, part.size());
}

} // namespace

bool FormulaBuilder::addTension(const std::string& code) {
    const TensionKind kind = classifyTension(code);
    if (kind == TensionKind::Fifth || kind == TensionKind::Third) {
        removeFirst(base_, kind == TensionKind::Fifth ? " 07" : " 04");
        const std::string tone = tensionTone(code);
        if (contains(formula(), tone)) return true;
        if (full()) return false;
        base_ += tone;
        return true;
    }
    if (contains(formula(), code)) return true;
    if (full()) return false;
    added_ += code;
    return true;
}

} // namespace tambrel
