// The session's commands for the order of the diagrams, the common voicings and the
// explanations, and the state keys they add.
#include "session/script_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

using namespace tambrel;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using Json = nlohmann::ordered_json;

namespace {

class SessionChoicesTest : public ::testing::Test {
  protected:
    ScriptSession session;

    void run(const std::string& line) {
        const auto output = session.execute(line);
        ASSERT_FALSE(output.has_value()) << line << " printed " << *output;
    }
    Json print(const std::string& line) {
        return Json::parse(session.execute(line).value_or("{}"));
    }
};

TEST_F(SessionChoicesTest, TheStateGainsItsTwoKeysOnlyWhileAChoiceIsMade) {
    const std::string before = *session.execute("state");
    EXPECT_THAT(before, ::testing::Not(HasSubstr("\"order\"")));

    run("order easiest");
    Json state = print("state");
    auto last = state.end();
    EXPECT_EQ((--last).key(), "common");
    EXPECT_EQ((--last).key(), "order");
    EXPECT_EQ(state["order"], "easiest");
    EXPECT_EQ(state["common"], false);
    EXPECT_EQ(state["count"], 165);
    EXPECT_EQ(state["voicings"][0], "112013 99 3 2 0 1 0 ");

    run("order position");
    run("common on");
    EXPECT_EQ(print("state")["common"], true);
    run("common off");
    // Back at the defaults, everything reads as before, the keys too.
    EXPECT_EQ(*session.execute("state"), before);
    EXPECT_FALSE(session.hadError());
}

TEST_F(SessionChoicesTest, CommonVoicingsAndTheEasiestFirst) {
    run("tick 15"); // "7"
    const int full = print("state")["count"];
    run("common on");
    run("common on"); // already ticked: nothing
    run("order easiest");
    const Json state = print("state");
    EXPECT_GT(state["count"].get<int>(), full);
    EXPECT_EQ(state["voicings"][0], "112013 99 3 2 3 1 0 ");

    const Json explained = print("explain");
    ASSERT_EQ(explained.size(), 1u);
    ASSERT_EQ(explained["explain"].size(), state["count"].get<std::size_t>());
    EXPECT_THAT(explained["explain"][0].get<std::string>(), StartsWith("score "));
    EXPECT_THAT(explained["explain"][0].get<std::string>(), HasSubstr("; no fifth"));
}

TEST_F(SessionChoicesTest, UnreadableChoicesAreErrors) {
    for (const char* line :
         {"order", "order easy", "order easiest now", "common", "common yes", "explain 0"}) {
        const auto output = session.execute(line);
        ASSERT_TRUE(output.has_value()) << line;
        EXPECT_THAT(*output, HasSubstr("\"error\"")) << line;
    }
    EXPECT_TRUE(session.hadError());
    EXPECT_EQ(print("state").count("order"), 0u);
}

} // namespace
