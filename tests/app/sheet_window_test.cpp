// The chord sheet in the window: adding from the results, the panel, export with its dialog,
// its progress and its refusals, the print preview, the clipboard and the dots' labels.
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamReader>

#include "app/sheet_panel.h"
#include "app/sheet_tools.h"
#include "tests/app/window_fixture.h"

namespace tambrel::testing {
namespace {

int diagramGroups(const QByteArray& svg) {
    QXmlStreamReader reader(svg);
    int groups = 0;
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"g" &&
            reader.attributes().value(QStringLiteral("class")) == u"chord-diagram")
            ++groups;
    EXPECT_FALSE(reader.hasError());
    return groups;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SheetWindow : public WindowTest {
  protected:
    SheetTools& tools() { return *form->sheetTools(); }
    QListWidget* list() { return find<QListWidget>("SheetList"); }
    const ChordSheet& sheet() { return tools().sheet(); }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(form.get(), key, modifiers);
        settle();
    }

    // Selects diagram `index` with a click on its cell.
    void select(int index) {
        const QRect cell = find<ResultsCanvas>("Image1")->cellRect(index);
        clickCanvas(cell.center().x(), cell.center().y());
        ASSERT_EQ(state().highlighted, std::vector<int>{index});
    }
};

TEST_F(SheetWindow, AddTheSelectedDiagramByShortcutButtonAndTheCanvasMenu) {
    auto* dock = find<QDockWidget>("SheetDock");
    EXPECT_FALSE(dock->isVisible()); // the window starts as it always did
    auto* add = find<QAction>("AddToSheet");
    EXPECT_FALSE(add->isEnabled()); // nothing highlighted after a search
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(sheet().empty());

    select(3);
    EXPECT_TRUE(add->isEnabled());
    key(Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(sheet().size(), 1);
    EXPECT_EQ(sheet().entries()[0].frets, model().search().voicingList[3].frets);
    EXPECT_EQ(sheet().entries()[0].name, "C");
    EXPECT_TRUE(dock->isVisible());
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("C"));
    EXPECT_EQ(list()->item(0)->toolTip().toStdString(), sheetDiagramTitle(sheet().entries()[0]));

    // The panel's button. The shown panel narrowed the results, which were laid out again.
    EXPECT_EQ(state().canvasWidth, find<QScrollArea>("ScrollBoxViolao")->viewport()->width());
    clickTension(15); // C7
    select(1);
    click("SheetAdd");
    ASSERT_EQ(sheet().size(), 2);
    EXPECT_EQ(sheet().entries()[1].name, "C7");

    // The right button selects and plays the diagram as always, then the canvas's menu opens.
    midi.takeLog();
    auto* menu = find<QMenu>("CanvasMenu");
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = menu->isVisible();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(add).center());
        if (menu->isVisible()) menu->close();
    });
    const QRect cell = find<ResultsCanvas>("Image1")->cellRect(4);
    QTest::mouseClick(find<ResultsCanvas>("Image1"), Qt::RightButton, {}, cell.center());
    settle();
    EXPECT_TRUE(shown);
    EXPECT_EQ(state().highlighted, std::vector<int>{4});
    EXPECT_FALSE(midi.takeLog().empty());
    ASSERT_EQ(sheet().size(), 3);
    EXPECT_EQ(sheet().entries()[2].frets, model().search().voicingList[4].frets);
}

TEST_F(SheetWindow, AddAllResultsThenReorderRenameAndRemoveInThePanel) {
    key(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    const auto& voicings = model().search().voicingList;
    ASSERT_EQ(sheet().size(), static_cast<int>(voicings.size()));
    ASSERT_EQ(list()->count(), sheet().size());

    list()->setCurrentRow(0);
    click("SheetDown");
    EXPECT_EQ(sheet().entries()[1].frets, voicings[0].frets);
    EXPECT_EQ(list()->currentRow(), 1);
    click("SheetUp");
    EXPECT_EQ(sheet().entries()[0].frets, voicings[0].frets);
    EXPECT_FALSE(find<QToolButton>("SheetUp")->isEnabled()); // the first row goes no higher

    // Renaming as a user does: the editor, a new name, Return.
    list()->setCurrentRow(2);
    click("SheetRename");
    auto* editor = list()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral(" C major, open "));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    EXPECT_EQ(sheet().entries()[2].name, "C major, open");
    EXPECT_EQ(list()->item(2)->text(), QStringLiteral("C major, open"));

    // Remove by the button and by the Delete key.
    click("SheetRemove");
    EXPECT_EQ(sheet().size(), static_cast<int>(voicings.size()) - 1);
    EXPECT_EQ(sheet().entries()[2].frets, voicings[3].frets);
    list()->setFocus();
    list()->setCurrentRow(0);
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(sheet().size(), static_cast<int>(voicings.size()) - 2);
    EXPECT_EQ(list()->count(), sheet().size());
}

TEST_F(SheetWindow, ExportThroughTheDialogAndAMessageWhenItCannotBeWritten) {
    QTemporaryDir folder;
    select(0);
    click("SheetAdd");
    select(1);
    click("SheetAdd");
    select(2);
    click("SheetAdd");
    ASSERT_EQ(sheet().size(), 3);

    // A path typed without an ending gets the chosen format's.
    const QString path = folder.filePath(QStringLiteral("three"));
    whileModal([&] { find<QAction>("ExportSheet")->trigger(); },
               [&](QWidget* modal) {
                   auto* edit = modal->findChild<QLineEdit*>("ExportPath");
                   if (edit == nullptr) return false;
                   edit->setText(path);
                   modal->findChild<QComboBox*>("ExportFormat")->setCurrentIndex(0); // SVG
                   modal->findChild<QSpinBox*>("ExportPerRow")->setValue(2);
                   modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                   return true;
               });
    EXPECT_EQ(diagramGroups(readFile(path + QStringLiteral(".svg"))), 3);

    // Into a folder that is not there: the toolkit's message box, and no file.
    const QString missing = folder.filePath(QStringLiteral("missing/sheet.pdf"));
    QString message;
    whileModal([&] { EXPECT_FALSE(tools().exportTo(sheet().entries(), {}, missing)); },
               [&](QWidget* modal) {
                   auto* box = qobject_cast<QMessageBox*>(modal);
                   if (box == nullptr) return false;
                   message = box->text();
                   box->accept();
                   return true;
               });
    EXPECT_TRUE(message.contains(QStringLiteral("Cannot write"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("three.svg")});
}

TEST_F(SheetWindow, ALongExportShowsItsProgressAndCanBeCancelled) {
    QTemporaryDir folder;
    const std::vector<SheetDiagram> many(10000, SheetDiagram{{-1, 3, 3, 2, 1, 1}, {}, "F"});
    const QString path = folder.filePath(QStringLiteral("many.pdf"));
    bool progressShown = false;
    whileModal([&] { EXPECT_FALSE(tools().exportTo(many, {}, path)); },
               [&](QWidget* modal) {
                   auto* progress = qobject_cast<QProgressDialog*>(modal);
                   if (progress == nullptr || !progress->isVisible()) return false;
                   progressShown = true;
                   progress->cancel();
                   return true;
               });
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(SheetWindow, PrintPreviewShowsTheSheetsPages) {
    select(0);
    click("SheetAdd");
    select(5);
    click("SheetAdd");
    int pages = -1;
    whileModal([&] { find<QAction>("PrintSheet")->trigger(); },
               [&](QWidget* modal) {
                   auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
                   if (preview == nullptr) return false;
                   auto* pagesView = preview->findChild<QPrintPreviewWidget*>();
                   pagesView->updatePreview();
                   pages = pagesView->pageCount();
                   preview->resize(700, 900);
                   QApplication::processEvents();
                   EXPECT_TRUE(preview->grab().save(
                       QStringLiteral(TAMBREL_SCREENSHOT_DIR "/sheet-print-preview.png")));
                   preview->reject();
                   return true;
               });
    EXPECT_EQ(pages, 1);
}

TEST_F(SheetWindow, CopyDiagramPutsAPictureSvgAndItsFretTextOnTheClipboard) {
    EXPECT_FALSE(find<QAction>("CopyDiagram")->isEnabled());
    select(0);
    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QString::fromUtf8("C \u2014 x 3 2 0 1 0"));
    EXPECT_TRUE(data->hasImage());
    EXPECT_FALSE(qvariant_cast<QImage>(data->imageData()).isNull());
    EXPECT_FALSE(QImage::fromData(data->data(QStringLiteral("image/png"))).isNull());
    EXPECT_EQ(diagramGroups(data->data(QStringLiteral("image/svg+xml"))), 1);
}

TEST_F(SheetWindow, DotLabelsChangeTheWindowsDiagramsAndFingerNumbersRestoreThem) {
    auto* canvas = find<ResultsCanvas>("Image1");
    const QImage fingers = canvas->grab(canvas->cellRect(0)).toImage();
    find<QAction>("DotLabelsNotes")->trigger();
    settle();
    EXPECT_EQ(canvas->dotLabels(), DotLabels::Notes);
    EXPECT_EQ(find<QComboBox>("SheetDotLabels")->currentIndex(), 1);
    const QImage notes = canvas->grab(canvas->cellRect(0)).toImage();
    EXPECT_NE(notes, fingers);
    // x 3 2 0 1 0: the open G string's name stands under its ring, where nothing was before.
    const auto darkBelowRing = [](const QImage& cell) {
        int dark = 0;
        for (int y = 99; y < 107; ++y)
            for (int x = 21 + 33 - 2; x < 21 + 33 + 8; ++x)
                dark += cell.pixelColor(x, y).lightness() < 128;
        return dark;
    };
    EXPECT_EQ(darkBelowRing(fingers.scaled(100, 130)), 0);
    EXPECT_GT(darkBelowRing(notes.scaled(100, 130)), 3);

    // The panel's choice and the menu's are one choice.
    find<QComboBox>("SheetDotLabels")->setCurrentIndex(0);
    find<QComboBox>("SheetDotLabels")->activated(0);
    settle();
    EXPECT_TRUE(find<QAction>("DotLabelsFingers")->isChecked());
    EXPECT_EQ(canvas->grab(canvas->cellRect(0)).toImage(), fingers);
}

TEST_F(SheetWindow, ScreenshotWithASheet) {
    form->setWindowState(Qt::WindowNoState);
    form->resize(1280, 800);
    settle();
    for (const char* symbol : {"C", "Am", "F", "G7"}) {
        typeSymbol(QString::fromLatin1(symbol));
        click("SpeedButton2");
        select(0);
        click("SheetAdd");
        settle();
    }
    find<QAction>("DotLabelsIntervals")->trigger();
    select(2);
    settle();
    ASSERT_EQ(sheet().size(), 4);
    QDir().mkpath(QStringLiteral(TAMBREL_SCREENSHOT_DIR));
    EXPECT_TRUE(form->grab().save(QStringLiteral(TAMBREL_SCREENSHOT_DIR "/sheet.png")));
}

} // namespace
} // namespace tambrel::testing
