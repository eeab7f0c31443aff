// ChordPro typed or opened into the song panel: its chords where they stand, its capo and
// transposition, and its own fingerings pinned where they sound their chord; a lead sheet is
// read as before.
#include "music/fret_list_text.h"
#include "window_test_support.h"

namespace tambrel::testing {
namespace {

class SongChordProTest : public WindowTest {
  protected:
    std::vector<std::string> frets() const {
        std::vector<std::string> list;
        for (const ArrangedChord& chord : window.song().arrangement().chords)
            list.push_back(chord.fingering ? writeFretList(*chord.fingering) : "none");
        return list;
    }
};

TEST_F(SongChordProTest, TheFilesCapoTranspositionAndFingeringsHold) {
    window.setSongText("{capo: 3}\n{define: Am base-fret 1 frets x x 4 2 2 2}\n"
                       "{define C: base-fret 1 frets x 3 2 0 1 0}\n[C]la [Am]la [*Rit.]");
    EXPECT_EQ(window.search().capo, 3);
    ASSERT_EQ(frets().size(), 2U);
    // Am's define sounds Am under capo 3; C's (x32010) would sound D#, so it is no pin.
    EXPECT_EQ(frets()[1], "xx4222");
    EXPECT_NE(frets()[0], "x32010");
    ASSERT_EQ(window.song().pins().size(), 1U);
    EXPECT_EQ(window.song().pins()[0].chord, 1);

    window.setSongText("{transpose: 2}\n[C]la [G]la");
    EXPECT_EQ(window.search().capo, 3); // no capo stated: the window's stays
    EXPECT_EQ(window.song().transposition(), 2);
    EXPECT_EQ(window.song().symbols(), (std::vector<std::string>{"D", "A"}));
}

TEST_F(SongChordProTest, ALeadSheetIsReadAsBefore) {
    window.setSongText("| C Am | F G7 | [N.C.] |");
    EXPECT_FALSE(window.song().chordPro());
    EXPECT_EQ(window.song().symbols(), (std::vector<std::string>{"C", "Am", "F", "G7"}));
    window.setCapo(2);
    window.setSongText("C Am");
    EXPECT_EQ(window.search().capo, 2);
    EXPECT_TRUE(window.song().pins().empty());
}

} // namespace
} // namespace tambrel::testing
