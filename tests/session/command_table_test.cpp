// How a line finds its command: by its whole first word and its count of words, before any
// argument is read; and the refusal each command gives an argument it cannot take.
#include "session/script_session.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <utility>
#include <vector>

using namespace tambrel;
using Json = nlohmann::ordered_json;

namespace {

class CommandTableTest : public ::testing::Test {
  protected:
    ScriptSession session;

    // The error of a line, or "" when it prints none.
    std::string errorOf(const std::string& line) {
        const auto output = session.execute(line);
        if (!output) return "";
        return Json::parse(*output).value("error", std::string());
    }

    // The error text of a refused line: why, and the line itself.
    static std::string refusal(const std::string& why, const std::string& line) {
        std::string text = why;
        text += ": '";
        text += line;
        text += "'";
        return text;
    }
    static std::string notACommand(const std::string& line) {
        return refusal("not a command", line);
    }
};

// Each command with arguments it takes: one word more or one fewer is no command at all.
const std::vector<std::pair<std::string, std::vector<std::string>>> kWordCommands{
    {"state", {}},          {"root", {"1"}},         {"bass", {"1"}},
    {"type", {"1"}},        {"tick", {"1"}},         {"sharp", {"root"}},
    {"flat", {"bass"}},     {"view", {"mod2"}},      {"fret", {"18"}},
    {"distance", {"3"}},    {"omit3", {"on"}},       {"omit5", {"on"}},
    {"easy", {"on"}},       {"lefthand", {"on"}},    {"nobarre", {"on"}},
    {"order", {"easiest"}}, {"common", {"on"}},      {"explain", {}},
    {"preset", {"3"}},      {"standard", {}},        {"tuner", {"1", "2"}},
    {"width", {"400"}},     {"click", {"10", "10"}}, {"patch", {"3"}},
    {"tempo", {"2"}},       {"neck", {"input"}},     {"neckclick", {"10", "10"}},
    {"reading", {"0"}},     {"naming", {}}};

std::string joined(const std::string& command, const std::vector<std::string>& arguments) {
    std::string line = command;
    for (const std::string& argument : arguments) line += " " + argument;
    return line;
}

TEST_F(CommandTableTest, EveryCommandRefusesAWrongCountOfWordsAsNoCommand) {
    for (const auto& [command, arguments] : kWordCommands) {
        // The right count reaches the command, whatever it then makes of its arguments.
        const std::string right = joined(command, arguments);
        EXPECT_NE(errorOf(right).rfind("not a command", 0), 0u) << right;

        std::vector<std::string> more = arguments;
        more.emplace_back("1");
        const std::string tooMany = joined(command, more);
        EXPECT_EQ(errorOf(tooMany), notACommand(tooMany));
        if (!arguments.empty()) {
            const std::string tooFew = joined(command, {arguments.begin(), arguments.end() - 1});
            EXPECT_EQ(errorOf(tooFew), notACommand(tooFew));
        }
    }
}

TEST_F(CommandTableTest, SymbolAndFretsTakeTheRestOfTheLineWhateverItHolds) {
    for (const std::string line : {"symbol", "symbol ", "symbol C 7 E", "symbol  C", "frets",
                                   "frets ", "frets x 3 2 0 1 0", "frets 1 2"}) {
        EXPECT_EQ(errorOf(line), "") << line;
    }
    EXPECT_FALSE(session.hadError());
}

TEST_F(CommandTableTest, TheWholeFirstWordNamesTheCommand) {
    // "fret" begins "frets", "neck" begins "neckclick": each line goes to its own command.
    EXPECT_EQ(errorOf("frets 24"), "");
    EXPECT_EQ(session.model().search().maxFret, 12);
    EXPECT_EQ(session.model().window().fretListText, "24");
    EXPECT_EQ(errorOf("fret 24"), "");
    EXPECT_EQ(session.model().search().maxFret, 24);
    EXPECT_EQ(errorOf("fret x32010"), "expected 6, 12, 18 or 24: 'fret x32010'");
    EXPECT_EQ(errorOf("neck 10 10"), notACommand("neck 10 10"));
    EXPECT_EQ(errorOf("neckclick input"), notACommand("neckclick input"));

    for (const std::string line : {"symbolC", "fretsx32010", "stat", "states", "Symbol C", "STATE",
                                   "neckinput", "frets\tx32010"}) {
        EXPECT_EQ(errorOf(line), notACommand(line));
    }
}

TEST_F(CommandTableTest, BlanksSeparateWordsOneAtATime) {
    for (const std::string line :
         {"state ", " state", "root  3", "root 3 ", " root 3", "tuner 1  2", "click 10 10 "}) {
        EXPECT_EQ(errorOf(line), notACommand(line));
    }
    // A trailing blank gives a command of one argument an empty one, which it refuses.
    EXPECT_EQ(errorOf("nobarre "), "expected on or off: 'nobarre '");
    EXPECT_EQ(errorOf("root "), "row out of range: 'root '");
    EXPECT_EQ(session.model().search().rootNote, 0);
}

TEST_F(CommandTableTest, ACarriageReturnEndsTheLine) {
    EXPECT_EQ(errorOf("root 5\r"), "");
    EXPECT_EQ(session.model().search().rootNote, 5);
    const auto state = session.execute("state\r");
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(Json::parse(*state)["symbol"], "F");
    // The symbol box reads the text without it.
    EXPECT_EQ(errorOf("symbol Am\r"), "");
    ScriptSession typed;
    typed.execute("symbol Am");
    EXPECT_EQ(session.model().window().editAcorde, typed.model().window().editAcorde);
    EXPECT_FALSE(session.execute("\r").has_value());
    EXPECT_FALSE(session.hadError());
    EXPECT_EQ(errorOf("bogus\r"), notACommand("bogus"));
}

TEST_F(CommandTableTest, EachCommandRefusesItsArgumentInItsOwnWords) {
    const std::vector<std::pair<std::string, std::string>> refusals{
        {"root 12", "row out of range"},
        {"root -1", "row out of range"},
        {"root 0000000000000", "row out of range"},
        {"bass 12", "row out of range"},
        {"type 35", "row out of range"},
        {"tick 51", "item out of range"},
        {"sharp treble", "expected root or bass"},
        {"flat Root", "expected root or bass"},
        {"view mod3", "expected mod1 or mod2"},
        {"fret 7", "expected 6, 12, 18 or 24"},
        {"fret -6", "expected 6, 12, 18 or 24"},
        {"distance 6", "expected 2, 3, 4 or 5"},
        {"omit3 yes", "expected on or off"},
        {"omit5 1", "expected on or off"},
        {"easy ON", "expected on or off"},
        {"lefthand true", "expected on or off"},
        {"order hardest", "expected position or easiest"},
        {"common yes", "expected on or off"},
        {"preset 12", "preset out of range"},
        {"tuner 7 0", "tuner out of range"},
        {"tuner 1 12", "tuner out of range"},
        {"width 1000001", "width out of range"},
        {"click 1 x", "position out of range"},
        {"click 1000000001 0", "position out of range"},
        {"neckclick 0 -1000000001", "position out of range"},
        {"patch 9", "instrument out of range"},
        {"tempo 6", "tempo out of range"},
        {"neck up", "expected input or picture"},
        {"reading 0", "no such reading"},
    };
    for (const auto& [line, why] : refusals) {
        EXPECT_EQ(errorOf(line), refusal(why, line));
    }
    // Leading zeros are read; a sign only where the range has negative numbers.
    EXPECT_EQ(errorOf("root 007"), "");
    EXPECT_EQ(errorOf("click -5 0010"), "");
    EXPECT_EQ(session.model().search().rootNote, 7);
}

} // namespace
