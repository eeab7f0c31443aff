// The plain SVG writer's text: what XML cannot hold is replaced, markup is escaped, and names
// are shortened at a character's boundary.
#include <gtest/gtest.h>

#include "assets/font_metrics.h"
#include "display/diagram_svg.h"
#include "display/svg_painter.h"

namespace tambrel {
namespace {

TEST(SvgText, EscapesMarkupAndReplacesWhatXmlCannotHold) {
    EXPECT_EQ(xmlText("Am7/G"), "Am7/G");
    EXPECT_EQ(xmlText("<a> & \"b\""), "&lt;a&gt; &amp; &quot;b&quot;");
    EXPECT_EQ(xmlText("E\x01m\x1f\x7f"), "E m  ");
    EXPECT_EQ(xmlText("C \u2014 x\u266d"), "C \u2014 x\u266d"); // UTF-8 as it is
    // A stray byte, a cut sequence, a surrogate and an overlong form are no UTF-8.
    EXPECT_EQ(xmlText("a\xff"), "a\uFFFD");
    EXPECT_EQ(xmlText("b\xe2\x80"), "b\uFFFD\uFFFD");
    EXPECT_EQ(xmlText("\xed\xa0\x80"), "\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(xmlText("\xc0\xaf"), "\uFFFD\uFFFD");
    EXPECT_EQ(xmlText("\xef\xbf\xbf"), "\uFFFD");
}

TEST(SvgText, ShortensAtACharacterWithAnEllipsis) {
    EXPECT_EQ(elidedText("C", 96, 12, true), "C");
    EXPECT_EQ(elidedText("", 96, 12, true), "");
    const std::string cut = elidedText("\u2014\u2014\u2014\u2014", 30, 12, true);
    EXPECT_EQ(cut, "\u2014\u2026"); // whole dashes, 12 units each, and the ellipsis
    EXPECT_LE(textAdvance(cut, 12, true), 36.0);
    EXPECT_EQ(elidedText("Cmaj7", 1, 12, true), "\u2026");
}

TEST(SvgText, ADiagramIsOneDocumentWithEachPictureDefinedOnce) {
    const std::string svg = chordDiagramSvg({-1, 3, 3, 2, 1, 1});
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    const auto count = [&svg](const std::string& what) {
        int n = 0;
        for (std::size_t at = svg.find(what); at != std::string::npos; at = svg.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("<g id=\"dedo6\""), 1);
    EXPECT_EQ(count("xlink:href=\"#dedo6\""), 6); // the barre across six strings
    EXPECT_EQ(count("<g id=\"braco\""), 1);
    EXPECT_EQ(count("</svg>"), 1);
}

} // namespace
} // namespace tambrel
