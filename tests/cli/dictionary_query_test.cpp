#include "cli/dictionary.h"
#include "music/chord_vocabulary.h"
#include "music/note_names.h"
#include "search/voicing_search.h"
#include "sound/recording_midi_sink.h"
#include "window/main_window_model.h"

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

} // namespace
} // namespace tambrel
