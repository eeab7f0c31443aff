#include "search/playability.h"
#include "search/voicing.h"
#include "search/voicing_choices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace tambrel {
namespace {

struct Golden {
    const char* name;
    const char* intervals;
    int root;
    FretList first;
};

void PrintTo(const Golden& g, std::ostream* out) {
    *out << g.name;
}

FretList firstEasiest(const char* intervals, int root, bool common) {
    SearchInputs in;
    in.rootNote = root;
    in.bassNote = root;
    const RankedVoicings ranked =
        searchWithChoices(intervals, in, {VoicingOrder::EasiestFirst, common});
    if (ranked.result.voicingList.empty()) return FretList{};
    FretList frets = fretListOfEntry(ranked.result.voicingList.front());
    for (int& v : frets) v = std::abs(v);
    return frets;
}

constexpr int x = kMuted;

class EasiestFirst : public ::testing::TestWithParam<Golden> {};

// The shapes every guitarist learns first stand first in standard tuning.
TEST_P(EasiestFirst, PutsTheOpenShapeFirst) {
    const Golden& g = GetParam();
    EXPECT_EQ(fretText(firstEasiest(g.intervals, g.root, false)), fretText(g.first));
}

INSTANTIATE_TEST_SUITE_P(StandardTuning, EasiestFirst,
                         ::testing::Values(Golden{"C", "00 04 07", 0, {x, 3, 2, 0, 1, 0}},
                                           Golden{"A", "00 04 07", 9, {x, 0, 2, 2, 2, 0}},
                                           Golden{"G", "00 04 07", 7, {3, 2, 0, 0, 0, 3}},
                                           Golden{"E", "00 04 07", 4, {0, 2, 2, 1, 0, 0}},
                                           Golden{"D", "00 04 07", 2, {x, x, 0, 2, 3, 2}},
                                           Golden{"Am", "00 03 07", 9, {x, 0, 2, 2, 1, 0}},
                                           Golden{"Em", "00 03 07", 4, {0, 2, 2, 0, 0, 0}},
                                           Golden{"Dm", "00 03 07", 2, {x, x, 0, 2, 3, 1}},
                                           Golden{"E7", "00 04 07 10", 4, {0, 2, 0, 1, 0, 0}},
                                           Golden{"A7", "00 04 07 10", 9, {x, 0, 2, 0, 2, 0}},
                                           Golden{"D7", "00 04 07 10", 2, {x, x, 0, 2, 1, 2}},
                                           Golden{"B7", "00 04 07 10", 11, {x, 2, 1, 2, 0, 2}},
                                           Golden{"Am7", "00 03 07 10", 9, {x, 0, 2, 0, 1, 0}},
                                           Golden{"Em7", "00 03 07 10", 4, {0, 2, 0, 0, 0, 0}},
                                           Golden{"Dm7", "00 03 07 10", 2, {x, x, 0, 2, 1, 1}},
                                           Golden{"Cmaj7", "00 04 07 11", 0, {x, 3, 2, 0, 0, 0}},
                                           Golden{"G7", "00 04 07 10", 7, {3, 2, 0, 0, 0, 1}},
                                           Golden{"F", "00 04 07", 5, {1, 3, 3, 2, 1, 1}},
                                           Golden{"Bm", "00 03 07", 11, {x, 2, 4, 4, 3, 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EasiestFirst, CommonVoicingsPutTheC7WithoutItsFifthFirst) {
    EXPECT_EQ(fretText(firstEasiest("00 04 07 10", 0, true)), fretText({x, 3, 2, 3, 1, 0}));
}

// Shapes that read easy finger by finger but that no strumming hand plays: C#m with its B
// string damped by a finger spread over four frets, Ab with the bass reached round a bar's
// tip. With or without the common voicings, neither stands first.
TEST(EasiestFirst, PutsNoShapeFirstThatAStrumCannotPlay) {
    for (bool common : {false, true}) {
        EXPECT_NE(fretText(firstEasiest("00 03 07", 1, common)), fretText({x, 4, 2, 1, x, 0}));
        EXPECT_NE(fretText(firstEasiest("00 04 07", 8, common)), fretText({4, 3, 1, 1, 1, x}));
        EXPECT_EQ(fretText(firstEasiest("00 03 07", 11, common)), fretText({x, 2, 4, 4, 3, 2}));
    }
}

} // namespace
} // namespace tambrel

namespace tambrel {
namespace {

constexpr int m = kMuted;

Playability assess(const FretList& frets, int root = 0, int bass = 0, IntervalSet chord = 0) {
    return assessPlayability(frets, HandContext{kStandardTuning, root, bass, chord});
}

TEST(Playability, ExplanationNamesEveryPart) {
    EXPECT_EQ(explainPlayability(assess({m, 3, 2, 0, 1, 0})),
              "score 5.5: span 3 frets, 3 fingers, no barre, open strings 2, 2 fingers arched, "
              "1 muted, root in bass");
    EXPECT_EQ(explainPlayability(assess({-1, 3, 3, 2, 1, 1}, 5, 5)),
              "score 5.8: span 3 frets, 4 fingers, full barre at fret 1, root in bass");
    EXPECT_EQ(explainPlayability(assess({m, -5, 7, 5, 6, 5}, 2, 2)),
              "score 9.0: span 3 frets, 3 fingers, full barre at fret 5, position 5, 1 muted, "
              "root in bass");
    // Muted strings inside the run and above it, each leaned on by the finger below it.
    EXPECT_EQ(explainPlayability(assess({m, 3, m, 0, 1, m})),
              "score 7.0: span 3 frets, 2 fingers, no barre, open strings 1, 3 muted (1 inside, "
              "1 above), root in bass");
    // Nothing sounds: no bass to name.
    EXPECT_EQ(explainPlayability(assess({m, m, m, m, m, m})),
              "score 8.0: no fretted notes, 0 fingers, no barre, 6 muted");
}

TEST(Playability, NamesTheBassAndWhatIsLeftOut) {
    // C over E, and the same fret list heard as C: its bass is then not the chord's.
    EXPECT_NE(explainPlayability(assess({0, 3, 2, 0, 1, 0}, 0, 4)).find(", E in bass"),
              std::string::npos);
    const Playability wrong = assess({0, 3, 2, 0, 1, 0}, 0, 0);
    EXPECT_NE(explainPlayability(wrong).find("E in bass, not the chord's bass"), std::string::npos);
    EXPECT_GT(wrong.score, assess({0, 3, 2, 0, 1, 0}, 0, 4).score);

    const Playability noFifth = assess({m, 3, 2, 3, 1, 0}, 0, 0, intervalSetOf("00 04 07 10"));
    EXPECT_EQ(noFifth.leftOut, IntervalSet{1U << 7});
    EXPECT_EQ(explainPlayability(noFifth).substr(explainPlayability(noFifth).find(';')),
              "; no fifth");
    // Leaving out the third costs more than leaving out the fifth.
    const IntervalSet triad = intervalSetOf("00 04 07");
    EXPECT_LT(assess({m, 3, 5, 5, m, m}, 0, 0, triad).score, // C G C: no third
              assess({m, 3, 2, 0, m, m}, 0, 0, triad).score + 100);
    EXPECT_GT(assess({m, 3, 5, 5, m, m}, 0, 0, triad).score, assess({m, 3, 5, 5, m, m}).score);
}

TEST(Playability, BarresComeFromTheMarksAndWhereTheyMakeTheHandsWorkEasier) {
    // The search's mark is a bar over the strings at its fret up to the open string.
    const Playability marked = assess({m, m, -3, 3, 3, 0});
    EXPECT_EQ(marked.partialBarres, 1);
    EXPECT_EQ(marked.fingers, 1);
    // Unmarked, three strings at one fret are still held by one finger: cheaper than three.
    const Playability aShape = assess({m, 1, 3, 3, 3, m});
    EXPECT_EQ(aShape.fingers, 2);
    EXPECT_EQ(aShape.partialBarres, 1);
    EXPECT_EQ(aShape.barreFret, 3);
    // Two strings at one fret cost the same either way: fingertips are kept.
    EXPECT_EQ(assess({m, m, 3, 2, 1, 1}).partialBarres, 0);
    // A bar across a muted string must also damp it.
    const Playability overMuted = assess({-3, m, 3, 3, 3, 3});
    EXPECT_EQ(overMuted.barredMuted, 1);
    EXPECT_GT(overMuted.score, assess({-3, 3, 3, 3, 3, 3}).score);
    // More than four fingers cannot be held as written: a fifth costs far more than a finger.
    EXPECT_EQ(assess({1, 2, 3, 4, 5, 1}).fingers, 5);
    EXPECT_GE(assess({1, 2, 3, 4, 5, 1}).score, 5 * 100 + 500);
}

TEST(Playability, MutedStringsAreCheaperWhereAFingerCanTouchThem) {
    // The D string muted under the finger on the A string, and muted above an open string.
    const Playability leaned = assess({m, 3, m, 3, 1, 3});
    const Playability undamped = assess({m, 3, 0, m, 1, 3});
    EXPECT_EQ(leaned.mutedUndamped, 0);
    EXPECT_EQ(undamped.mutedUndamped, 1);
    EXPECT_EQ(assess({3, 2, 0, 0, 0, m}).mutedUndamped, 1); // G without its top string
    EXPECT_EQ(assess({3, 2, 0, 0, 0, m}).mutedAbove, 1);
}

TEST(Playability, AMutedStringInsideTheStrumNeedsAFingerBesideIt) {
    // Bm's G string between two open strings: no fretting finger lies beside it.
    const Playability between = assess({m, 2, 0, m, 0, 2}, 11, 11);
    EXPECT_EQ(between.mutedOutOfReach, 1);
    EXPECT_EQ(between.mutedUndamped, 1);
    EXPECT_GT(between.score, assess({m, 2, 4, 4, 3, 2}, 11, 11).score);
    EXPECT_NE(explainPlayability(between).find("(1 inside, 1 undamped, 1 out of reach)"),
              std::string::npos);
    // A finger on either side can reach it: its flesh from below, its tip from above.
    EXPECT_EQ(assess({m, 3, m, 0, 1, m}).mutedOutOfReach, 0);
    EXPECT_EQ(assess({m, 3, 0, m, 1, 3}).mutedOutOfReach, 0);
    // The top string and the strings below the strum are never out of reach.
    EXPECT_EQ(assess({3, 2, 0, 0, 0, m}).mutedOutOfReach, 0);
    EXPECT_EQ(assess({m, 0, 0, 2, 0, 0}).mutedOutOfReach, 0);
    // Two muted strings side by side: each needs a fretted string of its own beside it.
    EXPECT_EQ(assess({0, 0, m, m, 0, 0}).mutedOutOfReach, 2);
    EXPECT_EQ(assess({0, 2, m, m, 0, 0}).mutedOutOfReach, 1);
}

TEST(Playability, AHandSpreadOverFourFretsLeansOnNoStringInsideTheStrum) {
    // C#m's B string beside the finger on the G string, with the hand spread from fret 1 to 4.
    const Playability spread = assess({m, 4, 2, 1, m, 0}, 1, 1);
    EXPECT_EQ(spread.mutedUndamped, 1);
    EXPECT_EQ(spread.mutedOutOfReach, 0);
    EXPECT_EQ(assess({m, 3, 2, 1, m, 0}).mutedUndamped, 0); // three frets: it leans
    // The top string is still met by the hand.
    EXPECT_EQ(assess({m, 4, 2, 1, 2, m}, 1, 1).mutedUndamped, 0);
}

TEST(Playability, BarresAreTheIndexsAndReachingRoundOneInAStretchIsHard) {
    // The A-shape's bar on fret 3 is not the index's: the index holds fret 1.
    const Playability aShape = assess({m, -1, 3, 3, 3, 1});
    EXPECT_EQ(aShape.barresBeyondIndex, 1);
    EXPECT_EQ(assess({-1, 3, 3, 2, 1, 1}, 5, 5).barresBeyondIndex, 0);
    EXPECT_EQ(assess({m, 2, 4, 4, 4, 2}, 11, 11).barresBeyondIndex, 1); // index bar and ring bar
    EXPECT_NE(explainPlayability(aShape).find("2 barres at fret 1 (1 beyond the index)"),
              std::string::npos);

    // Ab in the G shape: the bar on fret 1 and the bass strings three frets further up.
    const Playability gShape = assess({4, 3, -1, 1, 1, m}, 8, 8);
    EXPECT_EQ(gShape.stretchPastBarre, 1);
    EXPECT_GT(gShape.score, assess({-4, 6, 6, 5, 4, 4}, 8, 8).score);
    EXPECT_NE(explainPlayability(gShape).find(", reach past the barre 1 fret"), std::string::npos);
    // The same four frets stretched under the bar, or past it within three frets: no twist.
    EXPECT_EQ(assess({m, -1, 3, 3, 4, 1}, 10, 10).stretchPastBarre, 0);
    EXPECT_EQ(assess({m, m, 3, 2, -1, 1}, 5, 5).stretchPastBarre, 0);
    // Without a bar the same frets are fingertips: nothing to reach round.
    EXPECT_EQ(assess({4, 3, 1, 1, m, m}, 8, 8).stretchPastBarre, 0);
}

// Every fret list over the given values, with one string changed by `change`; calls `check`
// with both assessments wherever the change applies.
template <typename Change, typename Check>
void forAllFretLists(const std::vector<int>& values, Change change, Check check) {
    FretList frets{};
    const std::size_t n = values.size();
    std::size_t total = 1;
    for (int s = 0; s < kStringCount; ++s) total *= n;
    for (std::size_t code = 0; code < total; ++code) {
        std::size_t rest = code;
        for (int s = 0; s < kStringCount; ++s) {
            frets[s] = values[rest % n];
            rest /= n;
        }
        FretList changed = frets;
        if (!change(changed)) continue;
        check(frets, changed);
    }
}

// Everything the score is made of except the part `except` names.
auto partsOf(const Playability& p) {
    return std::vector<int>{p.span,
                            p.fingers,
                            p.fullBarres,
                            p.partialBarres,
                            p.barredMuted,
                            p.stretch,
                            p.position,
                            p.openStrings,
                            p.lowPosition,
                            p.archedFingers,
                            p.mutedStrings,
                            p.mutedInside,
                            p.mutedAbove,
                            p.mutedUndamped,
                            p.mutedOutOfReach,
                            p.stretchPastBarre,
                            p.barresBeyondIndex,
                            p.bassAsAsked,
                            p.bassIsRoot,
                            static_cast<int>(p.leftOut)};
}

TEST(PlayabilityProperties, AWiderSpanMoreFingersOrAnotherBarreNeverScoresBetter) {
    // Every pair of fret lists over frets 1..5, open and muted whose parts differ in exactly
    // one of these and agree in all else: the one with more never scores lower.
    struct Part {
        const char* name;
        int Playability::*field;
    };
    const std::vector<Part> parts{{"span", &Playability::span},
                                  {"fingers", &Playability::fingers},
                                  {"full barres", &Playability::fullBarres},
                                  {"partial barres", &Playability::partialBarres}};
    std::map<std::vector<int>, std::vector<Playability>> byParts;
    FretList frets{};
    const std::vector<int> values{m, 0, 1, 2, 3, 4, 5};
    forAllFretLists(
        values, [](FretList&) { return true; },
        [&byParts](const FretList& f, const FretList&) {
            const Playability p = assess(f);
            byParts[partsOf(p)].push_back(p);
        });
    (void)frets;
    int compared = 0;
    for (const Part& part : parts) {
        // Group by every part but this one; within a group, scores rise with this part.
        std::map<std::vector<int>, std::map<int, int>> lowestScore;
        for (const auto& [key, list] : byParts) {
            for (const Playability& p : list) {
                Playability q = p;
                q.*part.field = 0;
                auto& byValue = lowestScore[partsOf(q)];
                const int value = p.*part.field;
                auto it = byValue.find(value);
                if (it == byValue.end() || p.score < it->second) byValue[value] = p.score;
            }
        }
        for (const auto& [key, byValue] : lowestScore) {
            int previous = -1 << 30;
            for (const auto& [value, score] : byValue) {
                EXPECT_GE(score, previous) << part.name << " " << value;
                previous = score;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 1000);
}

TEST(PlayabilityProperties, AnUnmarkedFretListIsNeverHeldHarderThanWithTheBarItCouldLay) {
    // Every fret list over frets 1..5, open and muted, with one fret pressed on two strings or
    // more: marked on the lowest of them, the search's mark forces the one bar a finger could
    // lay there. Unmarked, the hand is free to lay it or not, so it never costs more. The
    // fingering skips looking for bars where it reasons that none can help; this holds that
    // reasoning to the weights.
    const std::vector<int> values{m, 0, 1, 2, 3, 4, 5};
    int compared = 0;
    int barred = 0;
    int harder = 0;
    std::string firstHarder;
    forAllFretLists(
        values,
        [](FretList& f) {
            std::array<int, 6> pressed{};
            for (int v : f)
                if (v > 0 && v != kMuted) ++pressed[v];
            const auto repeated =
                std::count_if(pressed.begin(), pressed.end(), [](int n) { return n >= 2; });
            if (repeated != 1) return false;
            const int fret = static_cast<int>(
                std::find_if(pressed.begin(), pressed.end(), [](int n) { return n >= 2; }) -
                pressed.begin());
            *std::find(f.begin(), f.end(), fret) = -fret;
            return true;
        },
        [&](const FretList& unmarked, const FretList& marked) {
            const Playability free = assess(unmarked);
            if (free.score > assess(marked).score && harder++ == 0)
                firstHarder = fretText(unmarked) + "| " + explainPlayability(free);
            barred += free.fullBarres + free.partialBarres > 0;
            ++compared;
        });
    EXPECT_EQ(harder, 0) << "first: " << firstHarder;
    EXPECT_GT(compared, 20000);
    EXPECT_GT(barred, 1000); // the free hand does lay bars where they help
}

// A shape heard as the chord on its own bass note: moved, it is the same chord a step higher.
Playability assessOverItsBass(const FretList& frets) {
    int bass = 0;
    for (int s = 0; s < kStringCount; ++s) {
        if (frets[s] == kMuted) continue;
        bass = (kStandardTuning[s] + std::abs(frets[s])) % 12;
        break;
    }
    return assess(frets, bass, bass);
}

TEST(PlayabilityProperties, MovingAShapeUpTheNeckNeverMakesItEasierBelowTheTwelfthFret) {
    // Every closed shape over frets 1..5 (no open strings), with and without a barre mark on
    // its first fretted string, moved up a fret at a time while its highest fret stays below 12.
    const std::vector<int> values{m, 1, 2, 3, 4, 5};
    int moves = 0;
    auto move = [](FretList f, int by) {
        for (int& v : f)
            if (v != kMuted) v = v < 0 ? v - by : v + by;
        return f;
    };
    forAllFretLists(
        values, [](FretList&) { return true; },
        [&moves, &move](const FretList& shape, const FretList&) {
            for (FretList f : {shape, [shape] {
                                   FretList marked = shape;
                                   for (int& v : marked)
                                       if (v != kMuted) {
                                           v = -v;
                                           break;
                                       }
                                   return marked;
                               }()}) {
                int highest = 0;
                for (int v : f)
                    if (v != kMuted) highest = std::max(highest, std::abs(v));
                int previous = assessOverItsBass(f).score;
                for (int by = 1; highest + by < 12; ++by) {
                    const int score = assessOverItsBass(move(f, by)).score;
                    ASSERT_GE(score, previous) << fretText(f) << " up " << by;
                    previous = score;
                    ++moves;
                }
            }
        });
    EXPECT_GT(moves, 100000);
}

TEST(EasiestFirstOrder, SortsByScoreAndKeepsTheGivenOrderOnTies) {
    EXPECT_EQ(easiestFirstOrder({}), std::vector<std::size_t>{});
    EXPECT_EQ(easiestFirstOrder({300, 100, 200, 100, 300}),
              (std::vector<std::size_t>{1, 3, 2, 0, 4}));
    // Scores that are not the model's own (off its steps, far apart, below zero) are ordered
    // just the same.
    EXPECT_EQ(easiestFirstOrder({7, 3, 7, 1, 3}), (std::vector<std::size_t>{3, 1, 4, 0, 2}));
    EXPECT_EQ(easiestFirstOrder({2000000000, -2000000000, 5, -2000000000}),
              (std::vector<std::size_t>{1, 3, 2, 0}));
    EXPECT_EQ(easiestFirstOrder({0, 20475, 20480, 0}), (std::vector<std::size_t>{0, 3, 1, 2}));
    EXPECT_EQ(easiestFirstOrder({-10, 20470, -10, 5}), (std::vector<std::size_t>{0, 2, 3, 1}));
}

// The model made once for a search reads every fret list as the one-off assessment does,
// including fret values beyond any the search gives.
TEST(HandModel, AssessesAsTheOneOffAssessmentDoes) {
    const StringNotes dropD{2, 9, 2, 7, 11, 4};
    for (const StringNotes& tuning : {kStandardTuning, dropD}) {
        for (int root : {0, 11}) {
            const HandContext context{tuning, root, (root + 4) % 12, intervalSetOf("00 04 07 10")};
            const HandModel model(context);
            const std::vector<int> values{m, 0, 1, 3, -3, 5, 12, -24, 25, -31};
            int checked = 0;
            forAllFretLists(
                values, [](FretList&) { return true; },
                [&](const FretList& frets, const FretList&) {
                    if (frets[0] == frets[5] || frets[1] != frets[4]) return; // a sample
                    const Playability a = model.assess(frets);
                    const Playability b = assessPlayability(frets, context);
                    ASSERT_EQ(partsOf(a), partsOf(b)) << fretText(frets);
                    ASSERT_EQ(a.score, b.score) << fretText(frets);
                    ASSERT_EQ(model.score(frets), b.score) << fretText(frets);
                    ASSERT_EQ(a.bassPitch, b.bassPitch) << fretText(frets);
                    ++checked;
                });
            EXPECT_GT(checked, 50000);
        }
    }
}

TEST(EasiestFirstOrder, ReordersTheSameSetOfVoicings) {
    SearchInputs in;
    for (const char* intervals : {"00 04 07", "00 03 07 10", "00 04 07 10 02"}) {
        for (int root : {0, 5, 9}) {
            in.rootNote = root;
            in.bassNote = root;
            const RankedVoicings position = searchWithChoices(intervals, in, {});
            const RankedVoicings easiest =
                searchWithChoices(intervals, in, {VoicingOrder::EasiestFirst, false});
            ASSERT_EQ(position.result.voicingList.size(), easiest.result.voicingList.size());
            std::vector<std::string> a;
            std::vector<std::string> b;
            for (const Voicing& v : position.result.voicingList) a.push_back(entryText(v));
            for (const Voicing& v : easiest.result.voicingList) b.push_back(entryText(v));
            std::sort(a.begin(), a.end());
            std::sort(b.begin(), b.end());
            EXPECT_EQ(a, b);
            EXPECT_EQ(position.result.chordTones, easiest.result.chordTones);
            for (std::size_t i = 1; i < easiest.scores.size(); ++i) {
                EXPECT_LE(easiest.scores[i - 1], easiest.scores[i]);
                EXPECT_EQ(assessEntry(easiest, i).score, easiest.scores[i]);
            }
        }
    }
}

TEST(VoicingChoices, TheDefaultsGiveTheSearchItself) {
    SearchInputs in;
    for (const char* intervals : {"00 04 07", "00 04 07 10 02", "00 03 06 09"}) {
        for (int bass : {0, 4, 7}) {
            in.bassNote = bass;
            in.omit5 = bass == 7;
            const RankedVoicings ranked = searchWithChoices(intervals, in, {});
            const SearchResult plain = findVoicings(buildSearchRequest(intervals, 0, bass), in);
            EXPECT_EQ(ranked.result.voicingList, plain.voicingList);
            EXPECT_EQ(ranked.result.chordTones, plain.chordTones);
            EXPECT_EQ(ranked.scores.size(), plain.voicingList.size());
        }
    }
    EXPECT_THROW(searchWithChoices("00 04 0x", in, {VoicingOrder::EasiestFirst, true}),
                 InvalidIntegerError);
}

} // namespace
} // namespace tambrel
