// The headless session: commands, the state object and error lines.
#include "session/script_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

using namespace tambrel;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Json = nlohmann::ordered_json;

namespace {

class SessionTest : public ::testing::Test {
  protected:
    ScriptSession session;

    // Runs commands that print nothing.
    void run(std::initializer_list<std::string> lines) {
        for (const std::string& line : lines) {
            const auto output = session.execute(line);
            ASSERT_FALSE(output.has_value()) << line << " printed " << *output;
        }
    }

    Json state() {
        const auto output = session.execute("state");
        EXPECT_TRUE(output.has_value());
        EXPECT_EQ(output->find('\n'), std::string::npos);
        return Json::parse(output.value_or("{}"));
    }

    // The state after `lines`, which must print nothing.
    Json stateAfter(std::initializer_list<std::string> lines) {
        run(lines);
        return state();
    }

    std::string errorOf(const std::string& line) {
        const auto output = session.execute(line);
        if (!output) return "(no output)";
        const Json message = Json::parse(*output);
        EXPECT_EQ(message.size(), 1u) << *output;
        return message.value("error", std::string("(no error key)"));
    }
};

TEST_F(SessionTest, StateHasExactlyItsKeysInOrder) {
    const Json s = state();
    std::vector<std::string> keys;
    for (const auto& [key, value] : s.items()) keys.push_back(key);
    EXPECT_THAT(keys, ElementsAre("symbol", "rootNote", "bassNote", "chordIntervals", "rootName",
                                  "chordSuffix", "bassSuffix", "thirdInterval", "fifthInterval",
                                  "maxFret", "distance", "options", "view", "ticked", "disabled",
                                  "bassGridEnabled", "rootGridNames", "bassGridNames",
                                  "rootGridRow", "bassGridRow", "stringNote", "openMidiNotes",
                                  "tunerPositions", "tunerLabels", "tuningButton", "tuningMark",
                                  "count", "voicings", "names", "columns", "canvasHeight",
                                  "highlighted", "formation", "selectedFrets", "midi"));
    std::vector<std::string> options;
    for (const auto& [key, value] : s["options"].items()) {
        options.push_back(key);
        EXPECT_TRUE(value.is_boolean());
    }
    EXPECT_THAT(options, ElementsAre("omit3", "omit5", "easy", "lefthand", "nobarre"));
}

TEST_F(SessionTest, StartsAfterTheFirstResizeWithNothingSent) {
    const Json s = state();
    EXPECT_EQ(s["symbol"], "C");
    EXPECT_EQ(s["rootNote"], 0);
    EXPECT_EQ(s["bassNote"], 0);
    EXPECT_EQ(s["chordIntervals"], "00 04 07");
    EXPECT_EQ(s["rootName"], "C");
    EXPECT_EQ(s["chordSuffix"], "");
    EXPECT_EQ(s["bassSuffix"], "");
    EXPECT_EQ(s["thirdInterval"], 4);
    EXPECT_EQ(s["fifthInterval"], 7);
    EXPECT_EQ(s["maxFret"], 12);
    EXPECT_EQ(s["distance"], 5);
    EXPECT_EQ(s["options"], (Json{{"omit3", false},
                                  {"omit5", false},
                                  {"easy", false},
                                  {"lefthand", false},
                                  {"nobarre", false}}));
    EXPECT_EQ(s["view"], "mod1");
    EXPECT_EQ(s["ticked"], Json::array({0}));
    EXPECT_EQ(s["disabled"], Json::array());
    EXPECT_EQ(s["bassGridEnabled"], true);
    const Json sharps = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    EXPECT_EQ(s["rootGridNames"], sharps);
    EXPECT_EQ(s["bassGridNames"], sharps);
    EXPECT_EQ(s["rootGridRow"], 0);
    EXPECT_EQ(s["bassGridRow"], 0);
    EXPECT_EQ(s["stringNote"], Json({4, 9, 2, 7, 11, 4}));
    EXPECT_EQ(s["openMidiNotes"], Json({40, 45, 50, 55, 59, 64}));
    EXPECT_EQ(s["tunerPositions"], Json({4, 9, 2, 7, 11, 4}));
    EXPECT_EQ(s["tunerLabels"], Json({"E", "A", "D", "G", "B", "E"}));
    EXPECT_EQ(s["tuningButton"], "Standard Tuning");
    EXPECT_EQ(s["tuningMark"], 0);
    EXPECT_EQ(s["count"], 165);
    ASSERT_EQ(s["voicings"].size(), 165u);
    EXPECT_EQ(s["voicings"][0], "112013 99 3 2 0 1 0 ");
    EXPECT_EQ(s["voicings"][1], "112013 99 3 2 0 1 3 ");
    EXPECT_EQ(s["names"], Json({"C", "Em5+/C", "G4/6/C (no3) (no5)", "G4/add13/C (no3) (no5)",
                                "Gadd11/6/C (no3) (no5)", "Gadd11/add13/C (no3) (no5)",
                                "Gsus4/6/C (no5)", "Gsus4/add13/C (no5)"}));
    EXPECT_EQ(s["columns"], 6);
    EXPECT_EQ(s["canvasHeight"], 165 / 6 * 130 + 260);
    EXPECT_EQ(s["highlighted"], Json::array());
    EXPECT_EQ(s["formation"], "");
    EXPECT_EQ(s["selectedFrets"], Json({0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s["midi"], Json::array());
    EXPECT_FALSE(session.hadError());
}

TEST_F(SessionTest, MidiLogCoversOnlyTheTimeSinceTheLastState) {
    const Json s = stateAfter({"patch 3", "click 10 10"});
    EXPECT_EQ(s["midi"], Json({"0x000000C0", "0x0000001C", "volume 0x0000FFFF", "0x00000090",
                               "0x00643090", "pause 75", "0x00643490", "pause 75", "0x00643790",
                               "pause 75", "0x00643C90", "pause 75", "0x00644090", "pause 75"}));
    EXPECT_EQ(s["formation"], "X 3 2 0 1 0 ");
    EXPECT_EQ(s["selectedFrets"], Json({99, 3, 2, 0, 1, 0}));
    EXPECT_EQ(s["highlighted"], Json::array({0}));
    EXPECT_EQ(state()["midi"], Json::array());

    const Json slow = stateAfter({"tempo 5", "root 5", "click 10 10"});
    EXPECT_EQ(slow["formation"], "1 3 3 2 1 1 ");
    EXPECT_EQ(slow["midi"], Json({"0x00642990", "pause 150", "0x00643090", "pause 150",
                                  "0x00643590", "pause 150", "0x00643990", "pause 150",
                                  "0x00643C90", "pause 150", "0x00644190", "pause 150"}));
}

TEST_F(SessionTest, BadLinesPrintAnErrorNamingTheLineAndChangeNothing) {
    run({"tick 15", "click 150 10"});
    const Json before = state();
    const std::vector<std::string> bad{
        "bogus",      "root 12",      "root -1",   "root x",    "bass 12",    "type 35",
        "tick 51",    "sharp treble", "flat",      "view mod3", "fret 7",     "fret 0",
        "distance 1", "distance 6",   "omit3 yes", "easy",      "lefthand 1", "nobarre ON",
        "preset 12",  "standard 0",   "tuner 0 3", "tuner 7 0", "tuner 1 12", "tuner 1",
        "width -1",   "width",        "click 10",  "click a b", "patch 9",    "patch -1",
        "tempo 6",    "state now",    "State",     "root 1 2"};
    for (const std::string& line : bad) {
        EXPECT_THAT(errorOf(line), HasSubstr(line));
        EXPECT_TRUE(session.hadError()) << line;
    }
    Json after = state();
    EXPECT_EQ(after["midi"], Json::array());
    after["midi"] = before["midi"];
    EXPECT_EQ(after, before);
}

TEST_F(SessionTest, CommentsAndBlankLinesAreSkipped) {
    EXPECT_FALSE(session.execute("").has_value());
    EXPECT_FALSE(session.execute("# root 5").has_value());
    EXPECT_FALSE(session.execute("#state").has_value());
    EXPECT_EQ(state()["rootNote"], 0);
    EXPECT_FALSE(session.hadError());
}

TEST_F(SessionTest, SymbolTakesTheRestOfTheLineBlanksIncluded) {
    const Json s = stateAfter({"symbol C7 9 E"});
    EXPECT_EQ(s["symbol"], "C7 9 E");
    EXPECT_EQ(s["chordIntervals"], "00 04 07 10 02");
    EXPECT_EQ(s["rootNote"], 0);
    EXPECT_EQ(s["bassNote"], 4);
    EXPECT_EQ(s["rootName"], "C");
    EXPECT_EQ(s["bassSuffix"], "/E");
    EXPECT_EQ(s["chordSuffix"], "7/9");
}

TEST_F(SessionTest, SymbolTextIsReadInTheProgramsCodePage) {
    Json s = stateAfter({"symbol C\u00BA"}); // the diminished sign has a byte of its own
    EXPECT_EQ(s["symbol"], "C\u00BA ");
    EXPECT_EQ(s["ticked"], Json({0, 4}));
    EXPECT_EQ(s["chordIntervals"], "00 03 06 09");
    EXPECT_EQ(s["chordSuffix"], "\u00BA");

    s = stateAfter({"symbol \u266F7"}); // a sharp sign has none: it becomes "?"
    EXPECT_EQ(s["symbol"], "?7 ");
    EXPECT_EQ(s["rootName"], "?");
    EXPECT_EQ(s["rootNote"], 12);
    EXPECT_EQ(s["chordSuffix"], "7");
    EXPECT_EQ(s["count"], 0);
    EXPECT_EQ(s["voicings"], Json::array());
    EXPECT_EQ(s["names"], Json::array());

    // Characters of the code page pass through unchanged, also those above 0x7F.
    EXPECT_EQ(stateAfter({"symbol \u00C4"})["symbol"], "\u00C4");
    EXPECT_EQ(stateAfter({"symbol \u20AC7"})["symbol"], "\u20AC7 ");
    EXPECT_FALSE(session.hadError());
}

TEST_F(SessionTest, EmptySymbolHasNoRoot) {
    const Json s = stateAfter({"symbol "});
    EXPECT_EQ(s["rootNote"], 12);
    EXPECT_EQ(s["bassNote"], 12);
    EXPECT_EQ(s["count"], 0);
    EXPECT_EQ(s["names"], Json::array());
    // Nothing reads the grids at row 12: the grids keep their rows.
    EXPECT_EQ(s["rootGridRow"], 0);
    EXPECT_EQ(s["bassGridRow"], 0);
}

TEST_F(SessionTest, TypedSymbolLeavesButtonsRowsAndDerivesSizesFromTheTicks) {
    run({"root 2"});
    const Json s = stateAfter({"symbol Bb7/Ab"});
    EXPECT_EQ(s["rootGridRow"], 2);
    EXPECT_EQ(s["bassGridRow"], 2);
    EXPECT_EQ(s["rootName"], "Bb");
    EXPECT_EQ(s["bassSuffix"], "/Ab");
    EXPECT_EQ(s["rootGridNames"][10], "Bb");
    EXPECT_EQ(s["bassGridNames"][8], "Ab");

    const Json m = stateAfter({"symbol Cm7/5-"});
    EXPECT_EQ(m["thirdInterval"], 3);
    EXPECT_EQ(m["fifthInterval"], 6);
    const Json aug = stateAfter({"symbol Caug"});
    EXPECT_EQ(aug["thirdInterval"], 4);
    EXPECT_EQ(aug["fifthInterval"], 8);
}

TEST_F(SessionTest, CheckBoxesTunersAndWidthDoNothingWhenAlreadySo) {
    run({"distance 4", "click 150 10"});
    // Already unticked: "easy off" would otherwise choose Distance 5 and search.
    Json s = stateAfter({"easy off", "omit3 off", "omit5 off", "lefthand off", "nobarre off",
                         "width 644", "tuner 1 4"});
    EXPECT_EQ(s["distance"], 4);
    EXPECT_EQ(s["highlighted"], Json::array({1}));

    s = stateAfter({"easy on", "easy on"});
    EXPECT_EQ(s["distance"], 3);
    EXPECT_EQ(s["options"]["easy"], true);
    EXPECT_EQ(s["count"], 14);
    s = stateAfter({"easy off"});
    EXPECT_EQ(s["distance"], 5);

    // A tuner already at its position does not run its handler: the preset's label stays.
    s = stateAfter({"preset 10", "tuner 2 10"});
    EXPECT_EQ(s["tunerLabels"][1], "Bb");
    s = stateAfter({"tuner 2 9", "tuner 2 10"});
    EXPECT_EQ(s["tunerLabels"][1], "A#");

    s = stateAfter({"width 400"});
    EXPECT_EQ(s["columns"], 4);
    EXPECT_EQ(s["canvasHeight"], s["count"].get<int>() / 4 * 130 + 260);
}

TEST_F(SessionTest, ChoicesRunAgainWhenAlreadyShown) {
    run({"click 150 10"});
    EXPECT_EQ(stateAfter({"root 0"})["highlighted"], Json::array());
    run({"click 150 10"});
    EXPECT_EQ(stateAfter({"preset 0"})["highlighted"], Json::array());
    run({"click 150 10"});
    EXPECT_EQ(stateAfter({"fret 12"})["highlighted"], Json::array());
    const Json s = stateAfter({"patch 0", "patch 0"});
    EXPECT_EQ(s["midi"], Json({"0x000000C0", "0x00000018", "volume 0x0000FFFF", "0x00000090",
                               "0x000000C0", "0x00000018", "volume 0x0000FFFF", "0x00000090"}));
}

TEST_F(SessionTest, DisabledOrHiddenControlsIgnoreTheirCommands) {
    // A full chord disables the bass grid and the unticked add items.
    Json s = stateAfter({"tick 15", "tick 18", "tick 21"});
    EXPECT_EQ(s["symbol"], "C7/9/11");
    EXPECT_EQ(s["bassGridEnabled"], false);
    s = stateAfter({"bass 4", "tick 24"});
    EXPECT_EQ(s["bassNote"], 0);
    EXPECT_EQ(s["symbol"], "C7/9/11");
    EXPECT_EQ(s["ticked"], Json({0, 15, 18, 21}));

    // The chord-type list is hidden in "mod1"; the tension list in "mod2".
    s = stateAfter({"type 9"});
    EXPECT_EQ(s["chordIntervals"], "00 04 07 10 02 05");
    s = stateAfter({"view mod2", "tick 21", "type 9"});
    EXPECT_EQ(s["view"], "mod2");
    EXPECT_EQ(s["ticked"], Json({0, 15, 18, 21}));
    EXPECT_EQ(s["chordIntervals"], "00 07");
    EXPECT_EQ(s["symbol"], "C5");
    EXPECT_FALSE(session.hadError());
}

TEST_F(SessionTest, AccidentalCommandsActOnTheirOwnGrid) {
    Json s = stateAfter({"flat bass", "root 1", "bass 3"});
    EXPECT_EQ(s["symbol"], "Db/Eb");
    EXPECT_EQ(s["rootGridNames"][1], "C#");
    s = stateAfter({"sharp bass", "flat root"});
    EXPECT_EQ(s["bassGridNames"][3], "D#");
    EXPECT_EQ(s["rootGridNames"][3], "Eb");
    EXPECT_EQ(s["symbol"], "Db/Eb");
}

TEST_F(SessionTest, TuningCommands) {
    Json s = stateAfter({"preset 8", "standard"});
    EXPECT_EQ(s["tuningMark"], 8);
    EXPECT_EQ(s["tuningButton"], "Standard Tuning");
    s = stateAfter({"preset 3"});
    EXPECT_EQ(s["tuningButton"], "Afina\u00E7\u00E3o Lute"); // written as UTF-8
    EXPECT_EQ(s["stringNote"], Json({4, 9, 2, 6, 11, 4}));
    EXPECT_EQ(s["openMidiNotes"], Json({40, 45, 50, 54, 59, 64}));
    s = stateAfter({"tuner 1 2"});
    EXPECT_EQ(s["stringNote"][0], 2);
    EXPECT_EQ(s["tunerLabels"][0], "D");
    EXPECT_EQ(s["openMidiNotes"][0], 40);
    EXPECT_EQ(s["tuningButton"], "Afina\u00E7\u00E3o Lute");
}

TEST_F(SessionTest, ClicksOutsideTheDiagramsAreIgnoredWithoutError) {
    const Json s = stateAfter(
        {"click 596 10", "click 640 10", "click -5 10", "click 10 -5", "click 350 3520"});
    EXPECT_EQ(s["highlighted"], Json::array());
    EXPECT_EQ(s["formation"], "");
    EXPECT_EQ(s["midi"], Json::array());
    EXPECT_FALSE(session.hadError());
}

} // namespace
