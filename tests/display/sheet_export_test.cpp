// The sheet's files read back: the SVG as XML, diagram by diagram down to its marks; the PDF's
// pages by pdfinfo and its first page by pdftoppm; the PNG's pixels; and files written whole
// or not at all.
#include "display/sheet_export.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

#include "display/sheet_pictures.h"
#include "tests/display/qt_test_support.h"

namespace tambrel {
namespace {

using testing::luminance;
using testing::shotPath;

const FretList kShapes[] = {{99, 3, 2, 0, 1, 0},   {-1, 3, 3, 2, 1, 1},  {0, 0, 0, 0, 0, 0},
                            {99, -3, 3, 2, 3, 99}, {-5, 99, 7, 7, 5, 5}, {99, 99, -10, 12, 12, 10},
                            {3, 2, 0, 0, 0, 3}};

std::vector<SheetDiagram> diagrams(int count) {
    std::vector<SheetDiagram> list;
    for (int k = 0; k < count; ++k) {
        const FretList& frets = kShapes[k % std::size(kShapes)];
        list.push_back({frets, {}, k % 2 ? "Am7/G" : "C"});
    }
    return list;
}

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// ------------------------------------------------------------------ SVG read back

struct ReadDiagram {
    QString title;
    QString fretText; // as the marks say
    std::vector<QString> labels;
};

QString hrefOf(const QDomElement& use) {
    QString href =
        use.attributeNS(QStringLiteral("http://www.w3.org/1999/xlink"), QStringLiteral("href"));
    return href.startsWith(u'#') ? href.mid(1) : href;
}

// The fret list a diagram group's marks stand for (right hand): a cross under a string is
// muted; otherwise the string sounds at the lowest row its finger, bar or disc covers... that
// is the highest fret it is held at, or it is open.
ReadDiagram readDiagram(const QDomElement& group) {
    ReadDiagram read;
    read.title = group.firstChildElement().text();
    int base = 0;
    std::map<int, int> row;    // column -> the lowest row held, -1: nothing
    std::map<int, bool> muted; // column -> a cross below
    const QDomNodeList texts = group.elementsByTagName(QStringLiteral("text"));
    for (int i = 0; i < texts.size(); ++i) {
        const QDomElement text = texts.at(i).toElement();
        if (text.attribute(QStringLiteral("class")) == u"base-fret") base = text.text().toInt();
    }
    const QDomNodeList uses = group.elementsByTagName(QStringLiteral("use"));
    for (int i = 0; i < uses.size(); ++i) {
        const QDomElement use = uses.at(i).toElement();
        const QString id = hrefOf(use);
        const int x = use.attribute(QStringLiteral("x")).toInt();
        const int y = use.attribute(QStringLiteral("y")).toInt();
        const int diagramTop = kSheetNameBand;
        int column = -1;
        int r = -1;
        if (id == u"x") {
            muted[(x - 21) / 11] = true;
        } else if (id.startsWith(u"dedo") && id != u"dedo6") {
            column = (x - 21) / 11;
            r = (y - diagramTop - 11) / 16;
        } else if (id == u"dedo6") {
            column = (x - 18) / 11;
            r = (y - diagramTop - 11) / 16;
        } else if (id.startsWith(u"disc-")) { // a labelled mark, one unit up and left
            column = (x + 1 - 21) / 11;
            r = (y + 1 - diagramTop - 11) / 16;
            read.labels.push_back(QString::fromUtf8(QByteArray::fromHex(id.mid(5).toLatin1())));
        }
        if (column >= 0) row[column] = std::max(row.count(column) ? row[column] : -1, r);
    }
    QStringList frets;
    for (int c = 0; c < 6; ++c) {
        if (muted[c])
            frets << QStringLiteral("x");
        else if (row.count(c))
            frets << QString::number(base + row[c]);
        else
            frets << QStringLiteral("0");
    }
    read.fretText = frets.join(u' ');
    return read;
}

// Every element with an id (QDomDocument does not look ids up itself).
void collectIds(const QDomElement& element, std::map<QString, QDomElement>& ids) {
    if (element.hasAttribute(QStringLiteral("id")))
        ids[element.attribute(QStringLiteral("id"))] = element;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        collectIds(child, ids);
}

std::map<QString, QDomElement> elementsById(const QDomDocument& document) {
    std::map<QString, QDomElement> ids;
    collectIds(document.documentElement(), ids);
    return ids;
}

std::vector<ReadDiagram> readSvg(const QByteArray& svg, QDomDocument& document) {
    QString error;
    EXPECT_TRUE(document.setContent(svg, true, &error)) << error.toStdString();
    std::vector<ReadDiagram> read;
    const QDomNodeList groups = document.elementsByTagName(QStringLiteral("g"));
    for (int i = 0; i < groups.size(); ++i) {
        const QDomElement group = groups.at(i).toElement();
        if (group.attribute(QStringLiteral("class")) == u"chord-diagram")
            read.push_back(readDiagram(group));
    }
    return read;
}

TEST(SheetSvg, OneTitledGroupPerDiagramWhoseMarksGiveItsFretList) {
    const std::vector<SheetDiagram> sheet = diagrams(9);
    SheetExportOptions options;
    options.perRow = 4;
    options.title = "Sheet <one> & \"two\"";
    const std::optional<QByteArray> svg = sheetSvg(sheet, options);
    ASSERT_TRUE(svg.has_value());
    QDomDocument document;
    const std::vector<ReadDiagram> read = readSvg(*svg, document);
    ASSERT_EQ(read.size(), sheet.size());
    EXPECT_EQ(document.documentElement().firstChildElement(QStringLiteral("title")).text(),
              QStringLiteral("Sheet <one> & \"two\""));
    for (std::size_t k = 0; k < sheet.size(); ++k) {
        EXPECT_EQ(read[k].title.toStdString(), sheetDiagramTitle(sheet[k])) << k;
        EXPECT_EQ(read[k].fretText.toStdString(), sheetFretText(sheet[k].frets)) << k;
    }
    EXPECT_EQ(read[0].title, QString::fromUtf8("C \u2014 x 3 2 0 1 0"));

    // Each group stands in its cell of the grid: four to a row below the title.
    const std::map<QString, QDomElement> ids = elementsById(document);
    ASSERT_TRUE(ids.count(QStringLiteral("diagram-5")));
    const QDomElement fifth = ids.at(QStringLiteral("diagram-5"));
    const SheetGrid grid = sheetGrid(9, 4, true);
    EXPECT_EQ(fifth.attribute(QStringLiteral("transform")),
              QStringLiteral("translate(%1,%2)").arg(grid.cellLeft(4)).arg(grid.cellTop(4)));

    // Every reference names a picture of the document's own.
    const QDomNodeList uses = document.elementsByTagName(QStringLiteral("use"));
    for (int i = 0; i < uses.size(); ++i) EXPECT_TRUE(ids.count(hrefOf(uses.at(i).toElement())));

    // Qt's own renderer draws it: white paper, dark grids.
    QSvgRenderer renderer(*svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(grid.width, grid.height));
    QImage image(renderer.defaultSize() * 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    // The nut of the first diagram's grid.
    const QPoint nut(2 * (grid.cellLeft(0) + 24 + 28), 2 * (grid.cellTop(0) + kSheetNameBand + 4));
    EXPECT_LT(luminance(image.pixel(nut)), 80);
    EXPECT_TRUE(image.save(shotPath("sheet_svg_rendered.png")));
}

TEST(SheetSvg, LabelledDotsAndLeftHand) {
    std::vector<SheetDiagram> sheet{{{99, 3, 2, 0, 1, 0}, {}, "C"}};
    SheetExportOptions options;
    options.labels = DotLabels::Notes;
    QDomDocument document;
    std::vector<ReadDiagram> read = readSvg(*sheetSvg(sheet, options), document);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].fretText, QStringLiteral("x 3 2 0 1 0"));
    EXPECT_EQ(read[0].labels, (std::vector<QString>{"C", "E", "C"}));

    options.labels = DotLabels::Fingers;
    options.leftHanded = true;
    read = readSvg(*sheetSvg(sheet, options), document);
    EXPECT_EQ(read[0].fretText, QStringLiteral("0 1 0 2 3 x")); // mirrored columns
}

TEST(SheetSvg, ControlCharactersInANameStillMakeWellFormedXml) {
    const std::vector<SheetDiagram> sheet{{{0, 0, 0, 0, 0, 0}, {}, "E\x01m\x1f"}};
    QDomDocument document;
    const std::vector<ReadDiagram> read = readSvg(*sheetSvg(sheet, {}), document);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].title, QString::fromUtf8("E m  \u2014 0 0 0 0 0 0"));
}

// ------------------------------------------------------------------ PDF

// Runs a poppler tool; its standard output.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& path) {
    const QString info = run(QStringLiteral(TAMBREL_PDFINFO), {path});
    for (const QString& line : info.split(u'\n'))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

TEST(SheetPdf, PagesOfWholeRowsOnA4AndLetter) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SheetExportOptions options;
    options.format = SheetFormat::Pdf;
    options.title = "Thirty-seven diagrams";
    // A4 holds four rows of four between its bands, Letter three; six to a row, six rows.
    const struct {
        PaperSize paper;
        int perRow;
        int pages;
    } cases[] = {{PaperSize::A4, 4, 3}, {PaperSize::Letter, 4, 4}, {PaperSize::A4, 6, 2}};
    for (const auto& c : cases) {
        options.paper = c.paper;
        options.perRow = c.perRow;
        const QString path = folder.filePath(QStringLiteral("sheet-%1.pdf").arg(c.pages));
        const SheetExportResult result = exportSheet(diagrams(37), options, path.toStdString());
        ASSERT_TRUE(result.written()) << result.message;
        EXPECT_EQ(result.pages, c.pages);
        EXPECT_EQ(pdfPages(path), c.pages);
    }
    const QString info = run(QStringLiteral(TAMBREL_PDFINFO), {folder.filePath("sheet-3.pdf")});
    EXPECT_TRUE(info.contains(QStringLiteral("A4"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Thirty-seven diagrams")));

    // The first page as a person sees it: the title, then rows of diagrams.
    const QString picture = shotPath(QStringLiteral("sheet_pdf_page1"));
    run(QStringLiteral(TAMBREL_PDFTOPPM),
        {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"), QStringLiteral("1"),
         QStringLiteral("-singlefile"), QStringLiteral("-png"), folder.filePath("sheet-3.pdf"),
         picture});
    const QImage page(picture + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    // A4 at 60 dots an inch; the printable area starts 15 mm in. Each of the four rows holds
    // four grids, dark at their nuts.
    EXPECT_EQ(page.size(), QSize(496, 702));
    const double dotsPerUnit = 60.0 / 72 * 510.24 / 400;
    const double margin = 15 / 25.4 * 60;
    int nuts = 0;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            const int x = qRound(margin + (column * 100 + 52) * dotsPerUnit);
            const int y =
                qRound(margin + 30 * 60.0 / 72 + (row * 130 + kSheetNameBand + 4.5) * dotsPerUnit);
            nuts += luminance(page.pixel(x, y)) < 100;
        }
    EXPECT_EQ(nuts, 16);
    EXPECT_EQ(page.pixelColor(5, 5), QColor(Qt::white));
}

// ------------------------------------------------------------------ PNG

TEST(SheetPng, OnePictureAtItsScale) {
    QTemporaryDir folder;
    SheetExportOptions options;
    options.format = SheetFormat::Png;
    options.perRow = 3;
    options.pngScale = 3;
    const QString path = folder.filePath(QStringLiteral("sheet.png"));
    ASSERT_TRUE(exportSheet(diagrams(5), options, path.toStdString()).written());
    const QImage image(path);
    const SheetGrid grid = sheetGrid(5, 3, false);
    EXPECT_EQ(image.size(), QSize(grid.width * 3, grid.height * 3));
    // The filled dot under string 1 of the first diagram (x 3 2 0 1 0).
    const int x = 3 * (grid.cellLeft(0) + 21 + 11 + 3);
    const int y = 3 * (grid.cellTop(0) + kSheetNameBand + 91 + 3);
    EXPECT_LT(luminance(image.pixel(x, y)), 60);
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
}

TEST(SheetPng, TooLargeAPictureIsRefused) {
    QTemporaryDir folder;
    SheetExportOptions options;
    options.format = SheetFormat::Png;
    options.perRow = 1;
    options.pngScale = 8;
    const QString path = folder.filePath(QStringLiteral("tall.png"));
    const SheetExportResult result = exportSheet(diagrams(40), options, path.toStdString());
    EXPECT_EQ(result.status, SheetExportResult::Status::Failed);
    EXPECT_NE(result.message.find("pixels"), std::string::npos);
    EXPECT_FALSE(QFile::exists(path));
}

// ------------------------------------------------------------------ whole or nothing

TEST(SheetFiles, FormatsByTheirEnding) {
    EXPECT_EQ(sheetFormatOfPath("a/b.SVG"), SheetFormat::Svg);
    EXPECT_EQ(sheetFormatOfPath("sheet.pdf"), SheetFormat::Pdf);
    EXPECT_EQ(sheetFormatOfPath("x.Png"), SheetFormat::Png);
    EXPECT_FALSE(sheetFormatOfPath("sheet.txt").has_value());
    EXPECT_FALSE(sheetFormatOfPath("pdf").has_value());
}

TEST(SheetFiles, AnUnwritablePlaceGivesAMessageAndLeavesNothing) {
    QTemporaryDir folder;
    const QString plain = folder.filePath(QStringLiteral("plain.txt"));
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    for (SheetFormat format : {SheetFormat::Svg, SheetFormat::Pdf, SheetFormat::Png}) {
        SheetExportOptions options;
        options.format = format;
        for (const QString& path : {folder.filePath(QStringLiteral("missing/sheet.out")),
                                    plain + QStringLiteral("/sheet.out"), folder.path()}) {
            const SheetExportResult result = exportSheet(diagrams(3), options, path.toStdString());
            EXPECT_EQ(result.status, SheetExportResult::Status::Failed) << path.toStdString();
            EXPECT_NE(result.message.find("Cannot write"), std::string::npos) << result.message;
        }
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("plain.txt")});
}

TEST(SheetFiles, ACancelledExportKeepsTheOldFileAndLeavesNothingElse) {
    QTemporaryDir folder;
    for (SheetFormat format : {SheetFormat::Svg, SheetFormat::Pdf, SheetFormat::Png}) {
        const QString path = folder.filePath(QStringLiteral("old.") +
                                             QString::fromStdString(sheetFormatSuffix(format)));
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("before");
        old.close();
        SheetExportOptions options;
        options.format = format;
        int calls = 0;
        const SheetExportResult result =
            exportSheet(diagrams(20), options, path.toStdString(), [&calls](int done, int total) {
                EXPECT_LE(done, total);
                return ++calls < 10; // cancelled halfway
            });
        EXPECT_EQ(result.status, SheetExportResult::Status::Cancelled);
        EXPECT_EQ(readAll(path), QStringLiteral("before"));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 3);
}

TEST(SheetFiles, ProgressCountsEveryDiagramAndAFinishedExportReplacesTheFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.svg"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("before");
    old.close();
    std::vector<int> done;
    SheetExportOptions options;
    ASSERT_TRUE(exportSheet(diagrams(4), options, path.toStdString(), [&done](int d, int total) {
                    EXPECT_EQ(total, 4);
                    done.push_back(d);
                    return true;
                }).written());
    EXPECT_EQ(done, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(readAll(path).startsWith(QStringLiteral("<?xml")));
}

TEST(SheetFiles, NothingToExportOrOptionsOutOfRange) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("x.svg")).toStdString();
    EXPECT_EQ(exportSheet({}, {}, path).status, SheetExportResult::Status::Failed);
    SheetExportOptions options;
    options.perRow = 0;
    EXPECT_EQ(exportSheet(diagrams(1), options, path).status, SheetExportResult::Status::Failed);
    options.perRow = 4;
    options.pngScale = kMaxPngScale + 1;
    EXPECT_EQ(exportSheet(diagrams(1), options, path).status, SheetExportResult::Status::Failed);
    EXPECT_EQ(exportSheet(diagrams(1), {}, "").status, SheetExportResult::Status::Failed);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

} // namespace
} // namespace tambrel
