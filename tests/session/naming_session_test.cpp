// The session's commands of the chord language: symbols as typed, the fret list entry box, the
// neck as an input, choosing a reading, and the "naming" line.
#include "session/script_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace tambrel;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using Json = nlohmann::ordered_json;

namespace {

class NamingSessionTest : public ::testing::Test {
  protected:
    ScriptSession session;

    void run(std::initializer_list<std::string> lines) {
        for (const std::string& line : lines) {
            const auto output = session.execute(line);
            ASSERT_FALSE(output.has_value()) << line << " printed " << *output;
        }
    }
    Json json(const std::string& command) {
        const auto output = session.execute(command);
        EXPECT_TRUE(output.has_value());
        return Json::parse(output.value_or("{}"));
    }
};

} // namespace

TEST_F(NamingSessionTest, NamingLineHasItsKeysInOrder) {
    const Json n = json("naming");
    std::vector<std::string> keys;
    for (const auto& item : n.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"plainName", "lookupNotice", "neckInput",
                                              "enteredFrets", "fretList", "stringNotes", "readings",
                                              "chosenReading", "namingMessage"}));
    EXPECT_EQ(n["plainName"], "C \u2014 C E G");
    EXPECT_EQ(n["enteredFrets"], Json({99, 99, 99, 99, 99, 99}));
}

TEST_F(NamingSessionTest, StandardSymbolsAsTypedInUnicode) {
    run({"symbol C\u266Fm7"});
    const Json s = json("state");
    EXPECT_EQ(s["rootNote"], 1);
    EXPECT_EQ(s["chordIntervals"], "00 03 07 10");
    EXPECT_EQ(s["symbol"], "C#m/7 ");
    EXPECT_EQ(json("naming")["plainName"], "C#m7 \u2014 C# E G# B");

    run({"symbol B\u266D\u03947"});
    EXPECT_EQ(json("state")["chordIntervals"], "00 04 07 11");
    EXPECT_EQ(json("state")["rootNote"], 10);

    // A text neither reading reads goes to the lookup, its foreign characters as "?".
    run({"symbol C7 \u266D"});
    EXPECT_EQ(json("state")["symbol"], "C7 ");
    EXPECT_FALSE(session.hadError());
}

TEST_F(NamingSessionTest, TonesLeftOutAreSaid) {
    run({"symbol C13#11"});
    EXPECT_EQ(json("naming")["lookupNotice"], "C13#11: a chord holds six notes; left out G (5)");
    run({"symbol C"});
    EXPECT_EQ(json("naming")["lookupNotice"], "");
}

TEST_F(NamingSessionTest, AFretListIsNamedAndItsReadingFindsIt) {
    run({"frets x32010"});
    Json n = json("naming");
    EXPECT_EQ(n["enteredFrets"], Json({99, 3, 2, 0, 1, 0}));
    EXPECT_EQ(n["stringNotes"], Json({"", "C", "E", "G", "C", "E"}));
    ASSERT_FALSE(n["readings"].empty());
    EXPECT_EQ(n["readings"][0], "C \u2014 C E G");

    run({"reading 0"});
    n = json("naming");
    EXPECT_EQ(n["chosenReading"], 0);
    EXPECT_THAT(n["namingMessage"].get<std::string>(), StartsWith("x32010 is diagram "));
    const Json s = json("state");
    ASSERT_EQ(s["highlighted"].size(), 1u);
    const int at = s["highlighted"][0];
    EXPECT_EQ(s["voicings"][at].get<std::string>().substr(7), "99 3 2 0 1 0 ");
}

TEST_F(NamingSessionTest, AReadingThatTheSearchCannotFindSaysWhy) {
    run({"frets x3234x", "reading 0"});
    const Json n = json("naming");
    EXPECT_EQ(n["readings"][0], "C7#9(no5) \u2014 C E Bb D#");
    EXPECT_EQ(n["namingMessage"],
              "x3234x is not among the results: it leaves out the fifth, G: tick \"(omit5)\"");
    EXPECT_EQ(json("state")["chordIntervals"], "00 04 07 10 03");

    // Ticking it finds the fingering.
    run({"omit5 on", "reading 0"});
    EXPECT_THAT(json("naming")["namingMessage"].get<std::string>(),
                StartsWith("x3234x is diagram"));
}

TEST_F(NamingSessionTest, ReadingsOfTheDominantNinthAreSearchedAsTheNinth) {
    // "C9" typed would be the list's own added ninth; the reading searches C E G Bb D.
    run({"frets x3233x", "reading 0"});
    EXPECT_EQ(json("naming")["readings"][0], "C9(no5) \u2014 C E Bb D");
    EXPECT_EQ(json("state")["chordIntervals"], "00 04 07 10 02");
}

TEST_F(NamingSessionTest, BadFretListsChangeNothingButTheMessage) {
    run({"frets x32010", "frets x3201"});
    const Json n = json("naming");
    EXPECT_EQ(n["enteredFrets"], Json({99, 3, 2, 0, 1, 0}));
    EXPECT_THAT(n["namingMessage"].get<std::string>(), HasSubstr("has 5 strings"));
    run({"frets xxxxxx"});
    EXPECT_EQ(json("naming")["namingMessage"], "no notes");
    EXPECT_EQ(json("naming")["readings"], Json::array());
    EXPECT_FALSE(session.hadError());
}

TEST_F(NamingSessionTest, TheNeckAsAnInput) {
    // Clicks do nothing while the neck is a picture.
    run({"neckclick 45 19"});
    EXPECT_EQ(json("naming")["enteredFrets"], Json({99, 99, 99, 99, 99, 99}));

    run({"neck input"});
    EXPECT_TRUE(json("naming")["neckInput"]);
    // String 4 (second from the top) at fret 1, string 3 open at the nut, string 1 at fret 3.
    run({"neckclick 45 19", "neckclick 3 30", "neckclick 130 60", "neckclick 88 44"});
    Json n = json("naming");
    EXPECT_EQ(n["enteredFrets"], Json({99, 3, 2, 0, 1, 99}));
    EXPECT_EQ(n["fretList"], "x3201x");
    EXPECT_EQ(n["readings"][0], "C \u2014 C E G");
    // A second click takes a mark away; the nut toggles open and muted.
    run({"neckclick 130 60", "neckclick 3 30"});
    EXPECT_EQ(json("naming")["enteredFrets"], Json({99, 99, 2, 99, 1, 99}));
    run({"neck picture"});
    EXPECT_FALSE(json("naming")["neckInput"]);
}

TEST_F(NamingSessionTest, BadCommandsAreErrors) {
    for (const char* line : {"reading 0", "reading x", "neck on", "neckclick 1", "naming now"}) {
        SCOPED_TRACE(line);
        const auto output = session.execute(line);
        ASSERT_TRUE(output.has_value());
        EXPECT_THAT(*output, HasSubstr("\"error\""));
    }
}
