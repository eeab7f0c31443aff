// Which texts of the window are UTF-8 and which keep the single-byte code page: the type says
// it, and each form holds what it says.
#include "music/single_byte_text.h"
#include "tests/window/window_test_support.h"

#include <type_traits>

namespace tambrel::testing {
namespace {

// A single-byte text never passes for UTF-8, nor the other way round, without asking.
static_assert(!std::is_convertible_v<SingleByteText, std::string>);
static_assert(std::is_same_v<decltype(WindowState::editAcorde), SingleByteText>);
static_assert(std::is_same_v<decltype(WindowState::plainName), std::string>);

class TextForms : public WindowTest {};

TEST_F(TextForms, TheDiminishedSignIsOneByteInTheBoxAndTwoInUtf8) {
    window.typeSymbol("C\xC2\xBA"); // "Cº" as typed
    EXPECT_EQ(shown().editAcorde.bytes(), "C\xBA");
    EXPECT_EQ(shown().editAcorde.utf8(), "C\xC2\xBA");
    window.SpeedButton2Click(); // the lookup writes the sign back with its separator
    EXPECT_EQ(shown().editAcorde.bytes(), "C\xBA ");
    EXPECT_EQ(shown().editAcorde.utf8(), "C\xC2\xBA ");
    EXPECT_EQ(state().chordSuffix.bytes(), "\xBA");
    // The chord's plain name and its notice are UTF-8 as they stand: the dash is three bytes.
    EXPECT_NE(shown().plainName.find("\xE2\x80\x94"), std::string::npos) << shown().plainName;
    for (const SingleByteText& name : shown().chordNames)
        EXPECT_EQ(SingleByteText(utf8ToCp1252(name.utf8())), name) << name;
}

TEST_F(TextForms, CharactersWithoutASingleByteBecomeAQuestionMarkOnlyInTheBox) {
    window.typeSymbol("C\xE2\x99\xAD"); // "C♭": the flat sign has no single byte
    EXPECT_EQ(shown().editAcorde, "C?");
    EXPECT_EQ(shown().typedSymbol, "C\xE2\x99\xAD");
    // The captions of the tuning keep their accented letters in either form.
    window.StandardTunning1Click(4);
    EXPECT_EQ(shown().tuningButtonCaption.utf8(),
              cp1252ToUtf8(shown().tuningButtonCaption.bytes()));
}

} // namespace
} // namespace tambrel::testing
