#include "search/chord_query.h"

namespace tambrel {

InvalidIntegerError::InvalidIntegerError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value") {}

int readInteger(const std::string& text) {
    // Leading blanks and a sign are accepted, nothing after the digits.
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) throw InvalidIntegerError(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') throw InvalidIntegerError(text);
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) throw InvalidIntegerError(text);
    }
    if (negative) value = -value;
    if (value > 2147483647LL) throw InvalidIntegerError(text);
    return static_cast<int>(value);
}

std::vector<int> readIntervalList(const std::string& intervals) {
    std::vector<int> read;
    for (std::size_t position = 0; intervals.size() >= position; position += 3)
        read.push_back(readInteger(intervals.substr(position, 2)));
    return read;
}

ChordQuery queryOfIntervals(const std::vector<int>& intervals, const SearchInputs& inputs,
                            const VoicingChoices& choices) {
    ChordQuery query{{}, inputs, choices};
    query.tones.reserve(intervals.size());
    for (std::size_t i = 0; i < intervals.size(); ++i) {
        // The bass already stands for the root when they are the same note.
        if (i == 0 && inputs.rootNote == inputs.bassNote)
            query.tones.push_back(inputs.bassNote);
        else
            query.tones.push_back(((intervals[i] + inputs.rootNote) % 12 + 12) % 12);
    }
    return query;
}

ChordQuery queryOfIntervals(const std::string& intervals, const SearchInputs& inputs,
                            const VoicingChoices& choices) {
    return queryOfIntervals(readIntervalList(intervals), inputs, choices);
}

std::string requestText(const ChordQuery& query) {
    std::string request = std::to_string(query.inputs.bassNote);
    const bool bassIsRoot = query.inputs.rootNote == query.inputs.bassNote;
    for (std::size_t i = bassIsRoot ? 1 : 0; i < query.tones.size(); ++i)
        request += ' ' + std::to_string(query.tones[i]);
    return request;
}

StringNotes tuningUnderCapo(const StringNotes& stringNote, int capo) {
    StringNotes raised = stringNote;
    for (int& note : raised) note = ((note + capo) % 12 + 12) % 12;
    return raised;
}

} // namespace tambrel
