// The sheet as SVG. Each picture a diagram is made of (the grid, the marks, a labelled disc)
// is painted once by Qt's SVG generator into the document's <defs>; each diagram is then one
// group of <use> references to them, placed where drawChordDiagram puts them, with its texts.
// A reader program finds each diagram as a group with a title, and each mark by its name
// and position.
#include "display/sheet_pictures.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <map>
#include <set>

#include "assets/artwork.h"
#include "assets/mark_labels.h"
#include "display/qt_diagram_painter.h"
#include "display/qt_sheet_painter.h"

namespace tambrel {

namespace {

const QString kSvgNamespace = QStringLiteral("http://www.w3.org/2000/svg");
const QString kXlinkNamespace = QStringLiteral("http://www.w3.org/1999/xlink");

// XML has no place for control characters; a name may still hold one.
QString xmlText(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    for (QChar& c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSurrogate()) c = QLatin1Char(' ');
    return text;
}

// An id for a labelled picture: the label's characters as hexadecimal, as "#" and "b" are no
// safe part of an XML name.
QString labelId(const char* kind, const std::string& label) {
    return QString::fromLatin1(kind) + QLatin1Char('-') +
           QString::fromLatin1(QByteArray::fromStdString(label).toHex());
}

// Which pictures a sheet uses: the diagrams drawn once without output.
class PictureUsage : public SheetPainter {
  public:
    void drawArtwork(Artwork artwork, int, int) override { artwork_.insert(artwork); }
    void drawText(const std::string&, int, int) override {}
    void drawLabelledMark(const std::string& label, int, int) override { discs_.insert(label); }
    void drawStringCaption(const std::string& label, int, int) override { captions_.insert(label); }
    void drawCaption(const std::string&, int, int, int) override {}

    const std::set<Artwork>& artwork() const { return artwork_; }
    const std::set<std::string>& discs() const { return discs_; }
    const std::set<std::string>& captions() const { return captions_; }

  private:
    std::set<Artwork> artwork_;
    std::set<std::string> discs_;
    std::set<std::string> captions_;
};

// Paints with Qt's SVG generator and copies what it drew, without its document around it,
// into a group `id` of `xml`.
template <typename PaintFn>
void writeDefinition(QXmlStreamWriter& xml, const QString& id, QSize size, PaintFn paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    {
        QPainter painter(&generator);
        paint(painter);
    }
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), id);
    QXmlStreamReader reader(buffer.data());
    int depth = 0;        // 1: the generator's <svg>
    bool copying = false; // inside what it drew, not its <title>, <desc> or <defs>
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 1) continue; // <svg>
            if (depth == 2) {
                const auto name = reader.name();
                copying = name != u"title" && name != u"desc" && name != u"defs";
            }
            if (!copying) continue;
            xml.writeStartElement(reader.name().toString());
            xml.writeAttributes(reader.attributes());
            break;
        case QXmlStreamReader::EndElement:
            if (copying && depth >= 2) xml.writeEndElement();
            --depth;
            break;
        case QXmlStreamReader::Characters:
            if (copying && !reader.isWhitespace()) xml.writeCharacters(reader.text().toString());
            break;
        default:
            break;
        }
    }
    xml.writeEndElement();
}

QString number(double value) {
    return QString::number(value, 'g', 6);
}

// The diagrams as <use> references and texts, in the coordinates of their cell.
class SvgSheetPainter : public SheetPainter {
  public:
    explicit SvgSheetPainter(QXmlStreamWriter& xml)
        : xml_(xml), textFont_(QtDiagramPainter::textFont()), textMetrics_(textFont_),
          captionFont_(QtSheetPainter::captionFont()), captionMetrics_(captionFont_) {}

    void drawArtwork(Artwork artwork, int x, int y) override {
        use(QString::fromLatin1(artworkName(artwork).data(),
                                static_cast<int>(artworkName(artwork).size())),
            QPoint(x, y));
    }

    // As the canvas writes the base fret: black text on a white box.
    void drawText(const std::string& text, int x, int y) override {
        const QString shown = xmlText(text);
        xml_.writeEmptyElement(QStringLiteral("rect"));
        xml_.writeAttribute(QStringLiteral("x"), QString::number(x));
        xml_.writeAttribute(QStringLiteral("y"), QString::number(y));
        xml_.writeAttribute(QStringLiteral("width"),
                            QString::number(textMetrics_.horizontalAdvance(shown)));
        xml_.writeAttribute(QStringLiteral("height"), QString::number(textMetrics_.height()));
        xml_.writeAttribute(QStringLiteral("fill"), QStringLiteral("#ffffff"));
        xml_.writeStartElement(QStringLiteral("text"));
        xml_.writeAttribute(QStringLiteral("class"), QStringLiteral("base-fret"));
        xml_.writeAttribute(QStringLiteral("x"), QString::number(x));
        xml_.writeAttribute(QStringLiteral("y"), QString::number(y + textMetrics_.ascent()));
        writeFont(textFont_);
        xml_.writeCharacters(shown);
        xml_.writeEndElement();
    }

    // Where the canvas writes it, clear of the first string's marks.
    void drawTextLeftOf(const std::string& text, int x, int y, int right) override {
        drawText(text, QtDiagramPainter::textLeftOf(text, x, right), y);
    }

    void drawLabelledMark(const std::string& label, int x, int y) override {
        use(labelId("disc", label), labelledMarkCorner(QPoint(x, y)));
    }

    void drawStringCaption(const std::string& label, int x, int y) override {
        use(labelId("caption", label), stringCaptionCorner(QPoint(x, y)));
    }

    void drawCaption(const std::string& text, int left, int top, int width) override {
        if (text.empty()) return;
        const QString shown = QtSheetPainter::fittedCaption(text, width);
        // Centred as the painter centres it: the line box in the middle of the band.
        const int baseline =
            top + (kSheetNameBand - captionMetrics_.height()) / 2 + captionMetrics_.ascent();
        xml_.writeStartElement(QStringLiteral("text"));
        xml_.writeAttribute(QStringLiteral("class"), QStringLiteral("name"));
        xml_.writeAttribute(QStringLiteral("x"), number(left + width / 2.0));
        xml_.writeAttribute(QStringLiteral("y"), QString::number(baseline));
        xml_.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
        writeFont(captionFont_);
        xml_.writeCharacters(xmlText(shown.toStdString()));
        xml_.writeEndElement();
    }

    void writeFont(const QFont& font) {
        xml_.writeAttribute(QStringLiteral("font-family"), font.family());
        xml_.writeAttribute(QStringLiteral("font-size"), QString::number(font.pixelSize()));
        if (font.bold()) xml_.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
        xml_.writeAttribute(QStringLiteral("fill"), QStringLiteral("#000000"));
    }

  private:
    void use(const QString& id, QPoint at) {
        xml_.writeEmptyElement(QStringLiteral("use"));
        xml_.writeAttribute(kXlinkNamespace, QStringLiteral("href"), QLatin1Char('#') + id);
        xml_.writeAttribute(QStringLiteral("x"), QString::number(at.x()));
        xml_.writeAttribute(QStringLiteral("y"), QString::number(at.y()));
    }

    QXmlStreamWriter& xml_;
    QFont textFont_;
    QFontMetrics textMetrics_;
    QFont captionFont_;
    QFontMetrics captionMetrics_;
};

QFont sheetTitleFont() {
    QFont font = QtDiagramPainter::textFont();
    font.setPixelSize(18);
    font.setBold(true);
    return font;
}

} // namespace

std::optional<QByteArray> sheetSvg(const std::vector<SheetDiagram>& diagrams,
                                   const SheetExportOptions& options,
                                   const SheetProgress& progress) {
    const int count = static_cast<int>(diagrams.size());
    const SheetGrid grid = sheetGrid(count, options.perRow, !options.title.empty());

    PictureUsage usage;
    for (const SheetDiagram& diagram : diagrams)
        drawSheetCell(usage, diagram, 0, 0, options.labels, options.leftHanded);

    QByteArray document;
    QXmlStreamWriter xml(&document);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(kSvgNamespace);
    xml.writeNamespace(kXlinkNamespace, QStringLiteral("xlink"));
    xml.writeStartElement(kSvgNamespace, QStringLiteral("svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.2"));
    xml.writeAttribute(QStringLiteral("baseProfile"), QStringLiteral("tiny"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(grid.width));
    xml.writeAttribute(QStringLiteral("height"), QString::number(grid.height));
    xml.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("0 0 %1 %2").arg(grid.width).arg(grid.height));
    xml.writeTextElement(QStringLiteral("title"), options.title.empty()
                                                      ? QStringLiteral("Chord diagrams")
                                                      : xmlText(options.title));
    xml.writeTextElement(QStringLiteral("desc"),
                         QStringLiteral("%1 chord diagrams drawn by Tambrel").arg(count));

    xml.writeStartElement(QStringLiteral("defs"));
    for (Artwork artwork : usage.artwork()) {
        const std::string_view name = artworkName(artwork);
        writeDefinition(xml, QString::fromLatin1(name.data(), static_cast<int>(name.size())),
                        artworkSize(artwork),
                        [artwork](QPainter& p) { paintArtwork(p, artwork, QPoint(0, 0)); });
    }
    for (const std::string& label : usage.discs())
        writeDefinition(xml, labelId("disc", label), labelledMarkSize(), [&label](QPainter& p) {
            paintLabelledMark(p, QString::fromStdString(label), QPoint(0, 0));
        });
    for (const std::string& label : usage.captions())
        writeDefinition(xml, labelId("caption", label), stringCaptionSize(), [&label](QPainter& p) {
            paintStringCaption(p, QString::fromStdString(label), QPoint(0, 0));
        });
    xml.writeEndElement(); // defs

    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(grid.width));
    xml.writeAttribute(QStringLiteral("height"), QString::number(grid.height));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("#ffffff"));

    SvgSheetPainter painter(xml);
    if (grid.titleHeight > 0) {
        const QFont font = sheetTitleFont();
        const QFontMetrics metrics(font);
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("class"), QStringLiteral("sheet-title"));
        xml.writeAttribute(QStringLiteral("x"), QString::number(grid.gridLeft + 4));
        xml.writeAttribute(QStringLiteral("y"), QString::number(grid.titleTop + metrics.ascent()));
        painter.writeFont(font);
        xml.writeCharacters(xmlText(options.title));
        xml.writeEndElement();
    }

    for (int index = 0; index < count; ++index) {
        if (progress && !progress(index, count)) return std::nullopt;
        const SheetDiagram& diagram = diagrams[index];
        xml.writeStartElement(QStringLiteral("g"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("diagram-%1").arg(index + 1));
        xml.writeAttribute(QStringLiteral("class"), QStringLiteral("chord-diagram"));
        xml.writeAttribute(
            QStringLiteral("transform"),
            QStringLiteral("translate(%1,%2)").arg(grid.cellLeft(index)).arg(grid.cellTop(index)));
        xml.writeTextElement(QStringLiteral("title"), xmlText(sheetDiagramTitle(diagram)));
        drawSheetCell(painter, diagram, 0, 0, options.labels, options.leftHanded);
        xml.writeEndElement();
    }
    if (progress && !progress(count, count)) return std::nullopt;
    xml.writeEndElement(); // svg
    xml.writeEndDocument();
    return document;
}

} // namespace tambrel
