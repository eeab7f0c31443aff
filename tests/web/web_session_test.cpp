// The page's session: what the page shows beside the session's state.
#include "web/web_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

using namespace tambrel;
using ::testing::HasSubstr;
using ::testing::Not;
using Json = nlohmann::json;

namespace {

Json stateOf(WebSession& web) {
    return Json::parse(web.state());
}

TEST(WebSession, PrintsWhatTheSessionPrints) {
    WebSession web;
    EXPECT_EQ(web.execute("root 2"), "");
    EXPECT_EQ(web.execute("bogus"), R"({"error":"not a command: 'bogus'"})");
    const Json state = stateOf(web);
    EXPECT_EQ(state["rootNote"], 2);
    EXPECT_EQ(state["count"], web.diagramCount());
}

TEST(WebSession, DrawsEachResultAndHighlightsTheClickedOne) {
    WebSession web;
    ASSERT_EQ(web.diagramCount(), 165);
    EXPECT_THAT(web.diagramSvg(0), HasSubstr("<title>x 3 2 0 1 0</title>"));
    EXPECT_THAT(web.diagramSvg(0), Not(HasSubstr("braco2")));
    EXPECT_EQ(web.diagramSvg(-1), "");
    EXPECT_EQ(web.diagramSvg(165), "");

    // The middle of the eighth cell, in the second row of six columns.
    web.clickDiagram(7);
    const Json state = stateOf(web);
    EXPECT_EQ(state["highlighted"], Json::array({7}));
    EXPECT_THAT(web.diagramSvg(7), HasSubstr("braco2"));
    EXPECT_THAT(web.diagramSvg(6), Not(HasSubstr("braco2")));
    EXPECT_FALSE(state["midi"].empty()); // the strum

    // Outside the results nothing is clicked, and nothing is sent.
    web.clickDiagram(165);
    web.clickDiagram(-1);
    EXPECT_EQ(stateOf(web)["midi"], Json::array());
}

TEST(WebSession, ClicksFollowTheColumnsOfTheResults) {
    WebSession web;
    web.execute("width 150"); // one column
    web.clickDiagram(3);
    EXPECT_EQ(stateOf(web)["highlighted"], Json::array({3}));
}

TEST(WebSession, LabelsTheDotsAsChosen) {
    WebSession web;
    const std::string fingers = web.diagramSvg(0);
    EXPECT_FALSE(web.setDotLabels(3));
    EXPECT_FALSE(web.setDotLabels(-1));
    EXPECT_EQ(web.dotLabels(), 0);
    ASSERT_TRUE(web.setDotLabels(1));
    const std::string notes = web.diagramSvg(0);
    EXPECT_NE(notes, fingers);
    EXPECT_THAT(notes, HasSubstr(">E<")); // the open first string
}

TEST(WebSession, TheNeckShowsTheClickedFingeringOrTheOneEntered) {
    WebSession web;
    const std::string bare = web.neckSvg();
    web.clickDiagram(0);
    const std::string clicked = web.neckSvg();
    EXPECT_NE(clicked, bare);
    EXPECT_THAT(clicked, HasSubstr("x 3 2 0 1 0"));

    web.execute("neck input");
    web.execute("frets 3 x 0 0 0 3");
    EXPECT_THAT(web.neckSvg(), HasSubstr("3 x 0 0 0 3"));
    web.execute("neck picture");
    EXPECT_EQ(web.neckSvg(), clicked);
}

TEST(WebSession, CollectsASheet) {
    WebSession web;
    EXPECT_FALSE(web.addSelectedToSheet()); // nothing clicked yet
    EXPECT_EQ(web.sheetJson(), "[]");
    EXPECT_EQ(web.sheetSvg(4, "Mine"), "");

    web.clickDiagram(0);
    ASSERT_TRUE(web.addSelectedToSheet());
    web.execute("symbol Am");
    web.clickDiagram(0);
    ASSERT_TRUE(web.addSelectedToSheet());
    EXPECT_EQ(Json::parse(web.sheetJson()), Json::parse(R"([{"name":"C","frets":"x 3 2 0 1 0"},
                              {"name":"Am","frets":"x 0 2 2 1 0"}])"));

    EXPECT_TRUE(web.moveSheetEntry(1, 0));
    EXPECT_TRUE(web.renameSheetEntry(0, "A minor"));
    EXPECT_FALSE(web.removeSheetEntry(2));
    EXPECT_THAT(web.sheetDiagramSvg(0), HasSubstr("x 0 2 2 1 0"));
    EXPECT_EQ(web.sheetDiagramSvg(2), "");

    const std::string svg = web.sheetSvg(4, "Mine");
    EXPECT_THAT(svg, HasSubstr("A minor"));
    EXPECT_THAT(svg, HasSubstr("Mine"));
    EXPECT_EQ(web.sheetSvg(0, ""), "");
    EXPECT_EQ(web.sheetSvg(13, ""), "");

    EXPECT_TRUE(web.removeSheetEntry(0));
    EXPECT_EQ(Json::parse(web.sheetJson()).size(), 1U);
    web.clearSheet();
    EXPECT_TRUE(web.addResultsToSheet());
    EXPECT_EQ(Json::parse(web.sheetJson()).size(), 141U); // Am's results
}

TEST(WebSession, DrawsTheSongsChords) {
    WebSession web;
    EXPECT_EQ(web.songChordSvg(0), "");
    EXPECT_EQ(web.songMidiFile(90, 4), "");
    EXPECT_FALSE(web.addSongToSheet());
    web.execute("song C Am Xyz G");
    // The unreadable symbol is left out of the chords.
    const Json chords = Json::parse(web.execute("songstate"))["chords"];
    ASSERT_EQ(chords.size(), 3U);
    EXPECT_THAT(web.songChordSvg(2),
                HasSubstr("<title>" + chords[2]["frets"].get<std::string>() + "</title>"));
    EXPECT_EQ(web.songChordSvg(3), "");

    // The alternatives offered, the easiest first, and a chord pinned to one of them.
    const Json alternatives = Json::parse(web.songAlternativesJson(1));
    ASSERT_EQ(alternatives.size(), 12U);
    EXPECT_EQ(web.songAlternativesJson(3), "[]");
    EXPECT_EQ(web.songAlternativesJson(-1), "[]");
    ASSERT_TRUE(web.pinSongChord(1, 5));
    const Json pinned = Json::parse(web.execute("songstate"))["chords"][1];
    EXPECT_TRUE(pinned["pinned"]);
    EXPECT_EQ(pinned["alternative"], 5);
    EXPECT_FALSE(web.pinSongChord(1, 100000));
    EXPECT_FALSE(web.pinSongChord(7, 0));
    EXPECT_THAT(web.songChordPro(), HasSubstr("{define: C base-fret 1 frets x 3 2 0 1 0"));
    EXPECT_EQ(web.songCurrentChord(), -1);
    web.playSong(120, 1, 0.0);
    EXPECT_EQ(web.songCurrentChord(), 0);
    web.songTick(100.0);
    EXPECT_EQ(web.songCurrentChord(), 0); // a beat is 500 ms
    web.songTick(500.0);
    EXPECT_EQ(web.songCurrentChord(), 1);
    web.stopSong();
    EXPECT_FALSE(web.songPlaying());
    const std::string midi = web.songMidiFile(120, 2);
    EXPECT_EQ(midi.substr(0, 4), "MThd");
    EXPECT_NE(midi.find("MTrk"), std::string::npos);
    EXPECT_TRUE(web.addSongToSheet());
    EXPECT_EQ(Json::parse(web.sheetJson()).size(), 3U);
}

TEST(WebSession, SetsTheBestCapoAndSaysWhich) {
    WebSession web;
    web.execute("song Eb Cm Ab Bb");
    const std::string offer = web.useBestCapo();
    const int capo = Json::parse(web.viewJson())["capo"];
    EXPECT_GT(capo, 0);
    EXPECT_EQ(offer.rfind("Capo " + std::to_string(capo) + ": ", 0), 0U) << offer;
}

TEST(WebSession, NamesItsListsAsTheWindowDoes) {
    const Json vocabulary = Json::parse(WebSession::vocabularyJson());
    EXPECT_EQ(vocabulary["tensions"].size(), 51U);
    EXPECT_EQ(vocabulary["chordTypes"].size(), 35U);
    EXPECT_EQ(vocabulary["tunings"].size(), 12U);
    EXPECT_EQ(vocabulary["instruments"].size(), 9U);
    EXPECT_EQ(vocabulary["instruments"][0], "Nylon guitar");
    EXPECT_EQ(vocabulary["fretItems"], Json::array({6, 12, 18, 24}));
    EXPECT_EQ(vocabulary["chordTypes"][0]["intervals"], "00 04 07");
}

TEST(WebSession, ShowsWhatTheStateLeavesOut) {
    WebSession web;
    Json view = Json::parse(web.viewJson());
    EXPECT_EQ(view["order"], "position");
    EXPECT_EQ(view["easiest"], -1);
    EXPECT_EQ(view["patchText"], "Nylon guitar");
    EXPECT_EQ(view["capoCaption"], "");
    web.execute("order easiest");
    web.execute("capo 3");
    web.execute("patch 4");
    web.setDotLabels(2);
    view = Json::parse(web.viewJson());
    EXPECT_EQ(view["order"], "easiest");
    EXPECT_EQ(view["easiest"], 0);
    EXPECT_EQ(view["capo"], 3);
    EXPECT_EQ(view["patchItem"], 4);
    EXPECT_EQ(view["dotLabels"], "intervals");
    EXPECT_THAT(view["capoCaption"].get<std::string>(), HasSubstr("Capo 3"));
}

TEST(WebSession, ExplainsADiagram) {
    WebSession web;
    EXPECT_FALSE(web.diagramExplanation(0).empty());
    EXPECT_EQ(web.diagramExplanation(165), "");
}

} // namespace
