#include "song_files/chordpro_reader.h"

#include "music/chord_symbol.h"
#include "music/fret_list_text.h"
#include "music/text_encoding.h"

#include <cctype>
#include <charconv>

namespace tambrel {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Nothing in brackets longer than this is a chord: it is lyrics in brackets.
constexpr std::size_t kLongestSymbol = 64;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Calls `each(line, number)` for every line of the text, its "\n" left off.
template <typename Each> void forEachLine(std::string_view text, Each each) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    int number = 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        each(text.substr(0, end), number++);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

// The next word of `text` from `at`: parted by blanks and by the colon the short define puts
// after its name.
std::string_view nextWord(std::string_view text, std::size_t& at) {
    while (at < text.size() && (isBlank(text[at]) || text[at] == ':')) ++at;
    const std::size_t start = at;
    while (at < text.size() && !isBlank(text[at]) && text[at] != ':') ++at;
    return text.substr(start, at - start);
}

std::optional<int> readInt(std::string_view text, int lowest, int highest) {
    if (text.starts_with('+')) text.remove_prefix(1);
    int value = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || read.ec != std::errc{} || read.ptr != text.data() + text.size() ||
        value < lowest || value > highest)
        return std::nullopt;
    return value;
}

int columnOf(std::string_view line, std::size_t byte) {
    int column = 1;
    std::size_t at = 0;
    std::uint32_t cp = 0;
    while (at < byte) {
        readCodePoint(line, at, cp);
        ++column;
    }
    return column;
}

// The chords of one line of lyrics, added to the song.
void readLyricsLine(std::string_view line, int number, SongText& song) {
    std::size_t at = 0;
    while ((at = line.find('[', at)) != std::string_view::npos) {
        const std::size_t end = line.find(']', at + 1);
        if (end == std::string_view::npos) return;
        const std::string_view inside = line.substr(at + 1, end - at - 1);
        const std::string_view name = trimmed(inside);
        const std::size_t start = at + 1 + static_cast<std::size_t>(name.data() - inside.data());
        at = end + 1;
        if (name.empty() || name.starts_with('*') || isNoChord(name)) continue;
        const int column = columnOf(line, start);
        if (name.size() > kLongestSymbol) {
            song.problems.push_back({std::string(name), number, column, "too long for a chord"});
            continue;
        }
        const SymbolReading read = readChordSymbol(name);
        if (!read.chord) {
            song.problems.push_back({std::string(name), number, column, read.error});
            continue;
        }
        const int bar = static_cast<int>(song.chords.size()) + 1;
        song.chords.push_back({std::string(name), number, column, bar});
    }
}

} // namespace

std::optional<ChordProDirective> readChordProDirective(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '{' || line.back() != '}') return std::nullopt;
    const std::string_view inside = trimmed(line.substr(1, line.size() - 2));
    std::size_t at = 0;
    while (at < inside.size() && !isBlank(inside[at]) && inside[at] != ':') ++at;
    if (at == 0) return std::nullopt;
    ChordProDirective directive;
    for (char c : inside.substr(0, at))
        directive.name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string_view value = trimmed(inside.substr(at));
    if (value.starts_with(':')) value = trimmed(value.substr(1));
    directive.value = value;
    return directive;
}

std::optional<ChordProDefine> readChordProDefine(const ChordProDirective& directive) {
    if (directive.name != "define") return std::nullopt;
    const std::string_view value = directive.value;
    std::size_t at = 0;
    ChordProDefine define;
    define.name = nextWord(value, at);
    if (define.name.empty()) return std::nullopt;
    std::optional<FretList> frets;
    for (std::string_view word = nextWord(value, at); !word.empty(); word = nextWord(value, at)) {
        if (word == "base-fret") {
            const auto base = readInt(nextWord(value, at), 1, kHighestNamedFret);
            if (!base) return std::nullopt;
            define.baseFret = *base;
        } else if (word == "frets") {
            frets.emplace();
            for (int& fret : *frets) {
                const std::string_view text = nextWord(value, at);
                if (text == "x" || text == "X" || text == "-1") {
                    fret = kMuted;
                } else if (const auto number = readInt(text, 0, kHighestNamedFret)) {
                    fret = *number;
                } else {
                    return std::nullopt;
                }
            }
        } else if (word == "fingers") {
            // Letters and "x" or "-" mark no numbered finger.
            for (int& finger : define.fingers)
                finger = readInt(nextWord(value, at), 0, 9).value_or(0);
        }
    }
    if (!frets) return std::nullopt;
    for (int& fret : *frets)
        if (fret != kMuted && fret > 0) fret += define.baseFret - 1;
    for (int fret : *frets)
        if (fret != kMuted && fret > kHighestNamedFret) return std::nullopt;
    define.frets = *frets;
    return define;
}

bool looksLikeChordPro(std::string_view utf8) {
    bool found = false;
    forEachLine(utf8, [&found](std::string_view line, int) {
        if (found) return;
        if (readChordProDirective(line)) {
            found = true;
            return;
        }
        for (std::size_t at = line.find('['); at != std::string_view::npos;
             at = line.find('[', at + 1)) {
            const std::size_t end = line.find(']', at + 1);
            if (end == std::string_view::npos) return;
            const bool joined = (at > 0 && !isBlank(line[at - 1])) ||
                                (end + 1 < line.size() && !isBlank(line[end + 1]));
            const std::string_view inside = trimmed(line.substr(at + 1, end - at - 1));
            const bool chord = !inside.empty() && inside.size() <= kLongestSymbol &&
                               readChordSymbol(inside).chord.has_value();
            if (joined || chord || line[at + 1] == '*') {
                found = true;
                return;
            }
        }
    });
    return found;
}

ChordProSong readChordPro(std::string_view utf8) {
    ChordProSong song;
    forEachLine(utf8, [&song](std::string_view line, int number) {
        if (line.starts_with('#')) return;
        const std::optional<ChordProDirective> directive = readChordProDirective(line);
        if (!directive) {
            readLyricsLine(line, number, song.reading);
            return;
        }
        const std::string& name = directive->name;
        if (name == "title" || name == "t") {
            song.title = directive->value;
        } else if (name == "key") {
            song.key = directive->value;
        } else if (name == "capo") {
            if (const auto capo = readInt(directive->value, 0, 11)) song.capo = capo;
        } else if (name == "transpose") {
            if (const auto by = readInt(directive->value, -11, 11)) song.transpose = by;
        } else if (auto define = readChordProDefine(*directive)) {
            define->line = number;
            song.defines.push_back(std::move(*define));
        }
    });
    return song;
}

} // namespace tambrel
