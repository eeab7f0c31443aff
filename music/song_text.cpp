#include "music/song_text.h"

#include "music/chord_symbol.h"
#include "music/text_encoding.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <utility>

namespace tambrel {
namespace {

// No chord symbol is this long; a longer word is refused unread, which also keeps the copies a
// "%" makes small.
constexpr std::size_t kLongestSymbol = 64;
// A "%" repeats a bar of at most this many chords: a longer one is a line whose bar lines were
// left out, and repeating it would multiply the song.
constexpr std::size_t kLargestRepeatedBar = 16;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRepeatSign = "\xF0\x9D\x84\x8E"; // 𝄎
constexpr std::string_view kTimesSign = "\xC3\x97";          // ×

enum class WordKind { BarLine, Chord, Unreadable, RepeatBar, NoChord, RepeatCount };

struct Word {
    std::string_view text;
    int column = 0;
    WordKind kind = WordKind::Chord;
    std::string error; // why an unreadable word is no chord symbol
};

// Blanks between words: the chord symbol's own, and the carriage return of "\r\n" with the
// other ASCII spaces.
std::size_t blankBetweenWords(std::string_view line, std::size_t at) {
    const char c = line[at];
    if (c == '\r' || c == '\v' || c == '\f') return 1;
    return blankLength(line, at);
}

std::string_view withoutBrackets(std::string_view word) {
    if (word.size() >= 2 && ((word.front() == '(' && word.back() == ')') ||
                             (word.front() == '[' && word.back() == ']')))
        return word.substr(1, word.size() - 2);
    return word;
}

} // namespace

bool isNoChord(std::string_view word) {
    std::string letters;
    for (char c : withoutBrackets(word)) {
        if (c == '.') continue;
        if (letters.size() == 2) return false;
        letters += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return letters == "nc";
}

namespace {

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "x2", "2x", "×3", "(x2)".
bool isRepeatCount(std::string_view word) {
    word = withoutBrackets(word);
    for (const std::string_view times :
         {std::string_view("x"), std::string_view("X"), kTimesSign}) {
        if (word.size() <= times.size()) continue;
        if (word.substr(0, times.size()) == times && allDigits(word.substr(times.size())))
            return true;
        if (word.substr(word.size() - times.size()) == times &&
            allDigits(word.substr(0, word.size() - times.size())))
            return true;
    }
    return false;
}

void classify(Word& word) {
    if (word.text == "%" || word.text == kRepeatSign) {
        word.kind = WordKind::RepeatBar;
    } else if (isNoChord(word.text)) {
        word.kind = WordKind::NoChord;
    } else if (isRepeatCount(word.text)) {
        word.kind = WordKind::RepeatCount;
    } else if (word.text.size() > kLongestSymbol) {
        word.kind = WordKind::Unreadable;
        word.error = "too long for a chord symbol";
    } else {
        SymbolReading reading = readChordSymbol(word.text);
        word.kind = reading.chord ? WordKind::Chord : WordKind::Unreadable;
        word.error = std::move(reading.error);
    }
}

// Counts the columns of a line in characters as the words are met, left to right.
class ColumnCounter {
  public:
    explicit ColumnCounter(std::string_view line) : line_(line) {}

    int columnAt(std::size_t byte) {
        while (at_ < byte) {
            std::uint32_t cp = 0;
            readCodePoint(line_, at_, cp);
            ++column_;
        }
        return column_;
    }

  private:
    std::string_view line_;
    std::size_t at_ = 0;
    int column_ = 1;
};

// The words and bar lines of a line. Bar lines are runs of "|" and ":" that hold a "|"; they
// cut words without blanks around them.
std::vector<Word> wordsOf(std::string_view line) {
    std::vector<Word> words;
    ColumnCounter columns(line);
    auto add = [&](std::size_t begin, std::size_t end, WordKind kind) {
        Word word{line.substr(begin, end - begin), columns.columnAt(begin), kind, {}};
        if (kind != WordKind::BarLine) classify(word);
        words.push_back(std::move(word));
    };
    std::size_t i = 0;
    while (i < line.size()) {
        if (const std::size_t blank = blankBetweenWords(line, i)) {
            i += blank;
            continue;
        }
        std::size_t start = i;
        while (i < line.size() && blankBetweenWords(line, i) == 0) {
            if (line[i] != '|' && line[i] != ':') {
                ++i;
                continue;
            }
            std::size_t end = i;
            bool barLine = false;
            while (end < line.size() && (line[end] == '|' || line[end] == ':'))
                barLine = line[end++] == '|' || barLine;
            if (barLine) {
                if (i > start) add(start, i, WordKind::Chord);
                add(i, end, WordKind::BarLine);
                start = end;
            }
            i = end;
        }
        if (i > start) add(start, i, WordKind::Chord);
    }
    return words;
}

class SongReader {
  public:
    SongText read(std::string_view text);

  private:
    void readLine(std::string_view line, int lineNumber);
    void readBar(const std::vector<const Word*>& words, int lineNumber);
    void problem(const Word& word, int lineNumber, std::string message) {
        song_.problems.push_back(
            {std::string(word.text), lineNumber, word.column, std::move(message)});
    }

    SongText song_;
    int bars_ = 0;
    bool anyBar_ = false;
    std::vector<std::string_view> previousBar_; // its chords, for "%"
};

SongText SongReader::read(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    int lineNumber = 1;
    while (true) {
        const std::size_t end = text.find('\n');
        readLine(text.substr(0, end), lineNumber);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
        ++lineNumber;
    }
    return std::move(song_);
}

void SongReader::readLine(std::string_view line, int lineNumber) {
    const std::vector<Word> all = wordsOf(line);
    // A heading ("Verse 1:") ends at the first word ending in ':' before any bar line.
    std::size_t first = 0;
    for (std::size_t k = 0; k < all.size() && all[k].kind != WordKind::BarLine; ++k) {
        if (all[k].text.back() == ':') {
            first = k + 1;
            break;
        }
    }
    std::size_t words = 0;
    std::size_t chordLike = 0;
    bool barLines = false;
    for (std::size_t k = first; k < all.size(); ++k) {
        if (all[k].kind == WordKind::BarLine) {
            barLines = true;
            continue;
        }
        ++words;
        if (all[k].kind != WordKind::Unreadable) ++chordLike;
    }
    if (!barLines && chordLike * 2 <= words) return; // lyrics, a title, or nothing

    std::vector<const Word*> bar;
    for (std::size_t k = first; k < all.size(); ++k) {
        if (all[k].kind == WordKind::BarLine) {
            readBar(bar, lineNumber);
            bar.clear();
            continue;
        }
        bar.push_back(&all[k]);
        if (!barLines) {
            readBar(bar, lineNumber);
            bar.clear();
        }
    }
    readBar(bar, lineNumber);
}

void SongReader::readBar(const std::vector<const Word*>& words, int lineNumber) {
    std::vector<const Word*> content;
    for (const Word* word : words)
        if (word->kind != WordKind::RepeatCount) content.push_back(word);
    if (content.empty()) return;

    if (content.size() == 1 && content.front()->kind == WordKind::RepeatBar) {
        const Word& sign = *content.front();
        if (!anyBar_) return problem(sign, lineNumber, "no bar before it to repeat");
        if (previousBar_.size() > kLargestRepeatedBar)
            return problem(sign, lineNumber, "the bar before holds too many chords to repeat");
        ++bars_;
        for (std::string_view symbol : previousBar_)
            song_.chords.push_back({std::string(symbol), lineNumber, sign.column, bars_});
        return;
    }

    ++bars_;
    anyBar_ = true;
    previousBar_.clear();
    for (const Word* word : content) {
        switch (word->kind) {
        case WordKind::Chord:
            song_.chords.push_back({std::string(word->text), lineNumber, word->column, bars_});
            previousBar_.push_back(word->text);
            break;
        case WordKind::Unreadable:
            problem(*word, lineNumber, word->error);
            break;
        case WordKind::RepeatBar:
            problem(*word, lineNumber, "a repeat sign stands alone in its bar");
            break;
        default:
            break; // no chord
        }
    }
}

} // namespace

SongText readSongText(std::string_view utf8) {
    return SongReader().read(utf8);
}

} // namespace tambrel
