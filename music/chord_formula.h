#pragma once
// A chord formula built from one base and tension codes under the note limit: the rule that the
// ticks of the tension list and a typed symbol share.
#include <string>
#include <utility>

namespace tambrel {

// Six notes without a separate bass, five and the bass with one: never more than strings. The
// limit is on the formula's text length, three characters a tone after the first.
constexpr int noteLimitFor(int rootNote, int bassNote) {
    return rootNote == bassNote ? 17 : 14;
}

// A chord formula built from one base and tension codes, under a note limit.
class FormulaBuilder {
  public:
    explicit FormulaBuilder(int noteLimit, std::string base = "00 04 07")
        : limit_(noteLimit), base_(std::move(base)) {}

    void setBase(const std::string& code) { base_ = code; }

    // Brings a three-character tension's tone into the formula. A fifth or third code first
    // removes the tone it replaces, even when its own tone is then refused; a tone already in
    // the formula is not added again. False when the tone does not fit under the limit: the
    // item is then to be unticked.
    bool addTension(const std::string& code);

    std::string formula() const { return base_ + added_; }
    bool full() const { return static_cast<int>(formula().size()) >= limit_; }

  private:
    int limit_;
    std::string base_;
    std::string added_;
};

} // namespace tambrel
