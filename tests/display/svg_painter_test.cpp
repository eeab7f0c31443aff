// The plain SVG drawing read back with Qt: every diagram of C major parses and its marks give
// its fret list, the neck's balls stand on their strings and frets, the labels are there, and
// Qt's renderer draws the SVG as the Qt painter draws the same diagram.
#include "display/svg_painter.h"

#include <QDomDocument>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

#include "assets/font_metrics.h"
#include "display/chord_diagram.h"
#include "display/diagram_svg.h"
#include "display/fingering.h"
#include "display/neck_view.h"
#include "display/qt_diagram_painter.h"
#include "display/qt_sheet_painter.h"
#include "display/results_layout.h"
#include "search/voicing_search.h"
#include "tests/display/qt_test_support.h"

namespace tambrel {
namespace {

using testing::luminance;
using testing::shotPath;

struct Mark {
    QString id;
    int x = 0;
    int y = 0;
};

struct ReadSvg {
    std::vector<Mark> marks;
    QString baseFret;
    std::set<QString> labels; // the texts of the pictures in <defs>
};

ReadSvg readSvg(const std::string& svg) {
    QDomDocument document;
    QString error;
    EXPECT_TRUE(document.setContent(QByteArray::fromStdString(svg), true, &error))
        << error.toStdString();
    ReadSvg read;
    const QDomNodeList uses = document.elementsByTagName(QStringLiteral("use"));
    for (int i = 0; i < uses.size(); ++i) {
        const QDomElement use = uses.at(i).toElement();
        const QString href =
            use.attributeNS(QStringLiteral("http://www.w3.org/1999/xlink"), QStringLiteral("href"));
        EXPECT_TRUE(href.startsWith(u'#'));
        read.marks.push_back({href.mid(1), use.attribute(QStringLiteral("x")).toInt(),
                              use.attribute(QStringLiteral("y")).toInt()});
    }
    const QDomNodeList texts = document.elementsByTagName(QStringLiteral("text"));
    for (int i = 0; i < texts.size(); ++i) {
        const QDomElement text = texts.at(i).toElement();
        if (text.attribute(QStringLiteral("class")) == u"base-fret")
            read.baseFret = text.text();
        else if (text.parentNode().toElement().tagName() == u"g")
            read.labels.insert(text.text());
    }
    return read;
}

// The fret list a diagram's marks stand for (right hand, the diagram at the cell's corner):
// a cross below a column is muted, a ring or a dot below it with nothing held above is open;
// otherwise the string sounds at the lowest row its finger, bar or disc covers.
FretList fretsOfDiagram(const ReadSvg& read) {
    constexpr int kFirstRow = 11;
    constexpr int kRowHeight = 16;
    const int base = read.baseFret.toInt();
    std::array<int, kStringCount> row{-1, -1, -1, -1, -1, -1};
    std::array<bool, kStringCount> muted{};
    std::array<bool, kStringCount> ring{};
    const auto hold = [&](int column, int y) {
        if (column < 0 || column >= kStringCount) return;
        row[column] = std::max(row[column], (y - kFirstRow) / kRowHeight);
    };
    for (const Mark& mark : read.marks) {
        if (mark.id == u"x")
            muted[(mark.x - 21) / 11] = true;
        else if (mark.id == u"omin1" || mark.id == u"omin2")
            ring[(mark.x - 21) / 11] = true;
        else if (mark.id == u"dedo6")
            hold((mark.x - 18) / 11, mark.y);
        else if (mark.id.startsWith(u"dedo"))
            hold((mark.x - 21) / 11, mark.y);
        else if (mark.id.startsWith(u"disc-")) // a labelled mark, one unit up and left
            hold((mark.x + 1 - 21) / 11, mark.y + 1);
    }
    FretList frets{};
    for (int s = 0; s < kStringCount; ++s) {
        EXPECT_NE(muted[s], ring[s]) << "string " << s << ": one mark below the grid";
        frets[s] = muted[s] ? kMuted : row[s] < 0 ? 0 : base + row[s];
    }
    return frets;
}

FretList unmarked(const Fretting& frets) {
    return frets.frets();
}

bool holdsWithFourFingers(const Fretting& frets) {
    const Fingering fingering = fingeringOf(frets);
    for (int i = 0; i < fingering.placementCount; ++i)
        if (fingering.placements[i].finger > 4) return false;
    return true;
}

TEST(SvgPainter, EveryDiagramOfCMajorParsesAndItsMarksGiveItsFretList) {
    const std::vector<Voicing> voicings =
        findVoicings(buildSearchRequest("00 04 07", 0, 0), SearchInputs{}).voicingList;
    ASSERT_EQ(voicings.size(), 165u);
    DiagramNotes notes;
    notes.chordMask = chordMaskOf({0, 4, 7}, 0);
    int fingered = 0;
    for (const Voicing& voicing : voicings) {
        const FretList expected = unmarked(voicing.frets);
        const std::string fretText = sheetFretText(voicing.frets);
        // Labelled dots mark every fretted note; finger numbers every note but a fifth
        // finger's, which has no mark.
        EXPECT_EQ(fretsOfDiagram(readSvg(chordDiagramSvg(voicing.frets, DotLabels::Notes, notes))),
                  expected)
            << fretText;
        EXPECT_EQ(
            fretsOfDiagram(readSvg(chordDiagramSvg(voicing.frets, DotLabels::Intervals, notes))),
            expected)
            << fretText;
        if (!holdsWithFourFingers(voicing.frets)) continue;
        ++fingered;
        EXPECT_EQ(fretsOfDiagram(readSvg(chordDiagramSvg(voicing.frets))), expected) << fretText;
    }
    EXPECT_GT(fingered, 150);
}

TEST(SvgPainter, DotLabelsAreTextsOfTheirPictures) {
    const FretList c{99, 3, 2, 0, 1, 0};
    DiagramNotes notes;
    notes.chordMask = chordMaskOf({0, 4, 7}, 0);
    EXPECT_EQ(readSvg(chordDiagramSvg(c, DotLabels::Notes, notes)).labels,
              (std::set<QString>{"C", "E", "G"})); // fretted C, E, C; open G and E below
    EXPECT_EQ(readSvg(chordDiagramSvg(c, DotLabels::Intervals, notes)).labels,
              (std::set<QString>{"R", "3", "5"}));
    EXPECT_EQ(readSvg(chordDiagramSvg(c)).labels, (std::set<QString>{"1", "2", "3"}));
}

TEST(SvgPainter, NeckBallsStandOnTheirStringsAndFrets) {
    for (const FretList& frets : {FretList{99, 3, 2, 0, 1, 0}, FretList{-5, 7, 7, 6, 5, 5},
                                  FretList{0, 99, 14, 12, 12, 99}}) {
        const ReadSvg read = readSvg(neckSvg(frets, true));
        ASSERT_FALSE(read.marks.empty());
        EXPECT_EQ(read.marks.front().id, QStringLiteral("Image5"));
        FretList seen{kMuted, kMuted, kMuted, kMuted, kMuted, kMuted};
        for (const Mark& mark : read.marks) {
            if (!mark.id.startsWith(u'd')) continue;
            const std::optional<NeckSpot> spot = neckSpotAt(mark.x + 6, mark.y + 6);
            ASSERT_TRUE(spot.has_value());
            EXPECT_EQ(mark.id == u"d0", spot->fret == 0);
            // A barre's balls lie on the strings fretted higher too: the highest one sounds.
            int& fret = seen[spot->string];
            fret = fret == kMuted ? spot->fret : std::max(fret, spot->fret);
        }
        EXPECT_EQ(seen, unmarked(frets)) << sheetFretText(frets);
    }
}

// The picture as Qt's renderer draws the SVG, `scale` pixels per unit, on white.
QImage renderSvg(const std::string& svg, QSize size, int scale) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    EXPECT_TRUE(renderer.isValid());
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

template <typename DrawFn> QImage renderQt(QSize size, int scale, DrawFn draw) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    QtDiagramPainter diagram(painter, ArtworkDrawing::Vectors);
    draw(diagram);
    return image;
}

// The share of pixels whose luminance differs by more than a quarter of the range.
double differentShare(const QImage& a, const QImage& b) {
    EXPECT_EQ(a.size(), b.size());
    int different = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            different += std::abs(luminance(a.pixel(x, y)) - luminance(b.pixel(x, y))) > 64;
    return static_cast<double>(different) / (a.width() * a.height());
}

TEST(SvgPainter, QtRendersTheSvgAsTheQtPainterDrawsTheDiagram) {
    constexpr int kScale = 3;
    const QSize cell(kCellWidth, kCellHeight);
    DiagramNotes notes;
    notes.chordMask = chordMaskOf({0, 4, 7}, 0);
    struct Case {
        FretList frets;
        DotLabels labels;
        const char* name;
    };
    for (const Case& c : {Case{{99, 3, 2, 0, 1, 0}, DotLabels::Fingers, "c_fingers"},
                          Case{{-8, 10, 10, 9, 8, 8}, DotLabels::Fingers, "c_barre"},
                          Case{{99, 3, 2, 0, 1, 0}, DotLabels::Intervals, "c_intervals"}}) {
        const QImage svg = renderSvg(chordDiagramSvg(c.frets, c.labels, notes), cell, kScale);
        const QImage qt = renderQt(cell, kScale, [&](DiagramPainter& painter) {
            drawChordDiagram(painter, c.frets, 0, 0, DiagramStyle::Normal, false, c.labels, notes);
        });
        EXPECT_TRUE(svg.save(shotPath(QStringLiteral("svg_%1.png").arg(c.name))));
        EXPECT_TRUE(qt.save(shotPath(QStringLiteral("qt_%1.png").arg(c.name))));
        EXPECT_LT(differentShare(svg, qt), 0.01) << c.name;
    }
    const FretList g{3, 2, 0, 0, 3, 3};
    const QSize neck(625, 85);
    const QImage svg = renderSvg(neckSvg(g, false), neck, 2);
    const QImage qt =
        renderQt(neck, 2, [&](DiagramPainter& painter) { showOnNeck(painter, g, false); });
    EXPECT_TRUE(svg.save(shotPath(QStringLiteral("svg_neck.png"))));
    EXPECT_TRUE(qt.save(shotPath(QStringLiteral("qt_neck.png"))));
    EXPECT_LT(differentShare(svg, qt), 0.02);
}

// The plain metrics place and shorten texts as Qt measures the same font (Qt rounds each
// glyph's advance to a 64th of a pixel).
TEST(SvgPainter, PlainFontMetricsAgreeWithQt) {
    const QFont text = QtDiagramPainter::textFont();
    const QFont caption = QtSheetPainter::captionFont();
    for (const char* sample : {"3", "12", "Am7/G", "C#m7(b5)", "Bb13 \u2014 x 1 3 1 3 3"}) {
        EXPECT_NEAR(textAdvance(sample, text.pixelSize(), false),
                    QFontMetricsF(text).horizontalAdvance(QString::fromUtf8(sample)), 0.25)
            << sample;
        EXPECT_NEAR(textAdvance(sample, caption.pixelSize(), true),
                    QFontMetricsF(caption).horizontalAdvance(QString::fromUtf8(sample)), 0.25)
            << sample;
    }
    EXPECT_EQ(textAscent(text.pixelSize()), QFontMetrics(text).ascent());
    EXPECT_EQ(textHeight(text.pixelSize()), QFontMetrics(text).height());
    EXPECT_EQ(textHeight(caption.pixelSize()), QFontMetrics(caption).height());
    for (const char* name : {"C", "Cmaj7(9,#11,13)/Bb and more", "Abm7(b5,b9,11,b13)/Gb"})
        EXPECT_EQ(QString::fromStdString(elidedText(name, 96, caption.pixelSize(), true)),
                  QtSheetPainter::fittedCaption(name, 96))
            << name;
}

} // namespace
} // namespace tambrel
