#include "cli/dictionary.h"
#include "music/chord_vocabulary.h"
#include "music/note_names.h"
#include "search/voicing_search.h"
#include "sound/recording_midi_sink.h"
#include "window/main_window_model.h"

#include "tests/music/symbol_cases.h"
#include "tests/search/entry_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tambrel {
namespace {

// Every chord type on every root, stated three ways: picked in the window, given to the
// terminal as arguments, and given as a plain list of tones. One query, one list.
TEST(DictionaryQuery, WindowArgumentsAndTonesGiveTheSameVoicings) {
    RecordingMidiSink silent;
    MainWindowModel window(silent, 644);
    window.SpeedButton8Click();
    for (int root = 0; root < 12; ++root) {
        window.StringGridAcordeSelectCell(root);
        for (int row = 0; row < kChordTypeCount; ++row) {
            const char* intervals = chordTypeTable()[row].intervals;
            ASSERT_TRUE(window.chooseChordType(row));
            const std::vector<std::string> shown = entryTexts(window.search().voicingList);

            DictionaryOptions options;
            options.intervals = intervals;
            options.root = noteNames()[root];
            ChordQuery arguments;
            ASSERT_EQ(queryOfArguments(options, arguments), std::nullopt) << intervals;
            EXPECT_EQ(arguments, window.searchedFor()) << intervals << " on " << root;
            EXPECT_EQ(entryTexts(searchWithChoices(arguments).result.voicingList), shown)
                << intervals << " on " << root;

            ChordQuery tones;
            tones.inputs.rootNote = tones.inputs.bassNote = root;
            for (int interval : readIntervalList(intervals))
                tones.tones.push_back((interval + root) % 12);
            EXPECT_EQ(entryTexts(findVoicings(tones).voicingList), shown)
                << intervals << " on " << root;
        }
    }
}

TEST(DictionaryQuery, OptionsStateTheInputsTheWindowsControlsWould) {
    RecordingMidiSink silent;
    MainWindowModel window(silent, 644);
    window.StandardTunning1Click(7); // Drop D
    window.ComboBox1Change(3);       // up to fret 24
    window.CheckBoxNSIClick(true);   // easy chords, which choose Distance 3
    window.CheckBoxPestanasClick(true);
    window.CheckBoxOmit5Click(true);
    window.ComboBoxOrderChange(1);
    window.CheckBoxCommonClick(true);

    DictionaryOptions options;
    options.tuning = "drop d";
    options.upToFret = 24;
    options.easy = true;
    options.noBarre = true;
    options.omit5 = true;
    options.order = "easiest";
    options.common = true;
    ChordQuery query;
    ASSERT_EQ(readSearchOptions(options, query), std::nullopt);
    EXPECT_EQ(query.inputs, window.searchInputs());
    EXPECT_EQ(query.choices, window.voicingChoices());

    // A Distance given beside "Easy chords" is chosen after it, as a user would choose it.
    options.distance = 4;
    ASSERT_EQ(readSearchOptions(options, query), std::nullopt);
    EXPECT_EQ(query.inputs.distance, 4);

    options.tuning = "E A D G B";
    EXPECT_EQ(readSearchOptions(options, query),
              "'E A D G B' is neither a tuning preset nor six note names");
}

// The terminal reads a typed symbol with the chord panel's own lookup and no window: for every
// symbol of the families, and for odd ones, it finds what the window's search button finds and
// names and shows it as the window does, under options and another tuning too.
TEST(DictionaryQuery, ATypedSymbolReadsAsTheWindowReadsIt) {
    std::vector<std::string> symbols{"",      "xyz",    "Hm",   "C/E",  "Cº",       "C7/9/11/13",
                                     "C/Ab/", "Bb7/Ab", "C  7", "c#m7", "C13#11b9", "/E"};
    for (const testing::SymbolFamily& family : testing::symbolFamilies())
        for (const testing::SymbolCase& c : family.cases) symbols.emplace_back(c.symbol);

    DictionaryOptions options;
    options.tuning = "open g";
    options.order = "easiest";
    options.omit5 = true;
    ChordQuery query;
    ASSERT_EQ(readSearchOptions(options, query), std::nullopt);
    RecordingMidiSink silent;
    for (const bool withOptions : {false, true}) {
        const ChordQuery chosen = withOptions ? query : ChordQuery{};
        for (const std::string& symbol : symbols) {
            SCOPED_TRACE(symbol);
            MainWindowModel window(silent, 644);
            if (withOptions) {
                window.StandardTunning1Click(8); // Open G
                window.ComboBoxOrderChange(1);
                window.CheckBoxOmit5Click(true);
            }
            window.typeSymbol(symbol);
            window.SpeedButton2Click();
            const SymbolSearch found = searchTypedSymbol(symbol, chosen);
            EXPECT_EQ(found.chord.shown, window.window().editAcorde);
            EXPECT_EQ(found.notice, window.window().lookupNotice);
            EXPECT_EQ(found.naming.lines, window.window().chordNames);
            EXPECT_EQ(found.naming.plainName, window.window().plainName);
            EXPECT_EQ(entryTexts(found.found.result.voicingList),
                      entryTexts(window.search().voicingList));
            EXPECT_EQ(found.found.scores, window.window().playabilityScores);
        }
    }
}

} // namespace
} // namespace tambrel
