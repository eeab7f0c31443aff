// tambrel-cli writing chord sheets: the files it leaves, read back, and what it says.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status = -1;
    QString output;
    QString errors;
};

CliRun cli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TAMBREL_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The titles of the SVG's diagram groups, in order.
QStringList diagramTitles(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader svg(&file);
    QStringList titles;
    bool inDiagram = false;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement) continue;
        if (svg.name() == u"g")
            inDiagram = svg.attributes().value(QStringLiteral("class")) == u"chord-diagram";
        else if (svg.name() == u"title" && inDiagram)
            titles << svg.readElementText();
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    return titles;
}

int pdfPages(const QString& path) {
    QProcess info;
    info.start(QStringLiteral(TAMBREL_PDFINFO), {path});
    info.waitForFinished();
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

TEST(CliSheetFiles, TheFirstDiagramsOfAChordInEveryFormat) {
    QTemporaryDir folder;
    const QString svg = folder.filePath(QStringLiteral("c.svg"));
    const QString pdf = folder.filePath(QStringLiteral("c.pdf"));
    const QString png = folder.filePath(QStringLiteral("c.png"));
    const CliRun run =
        cli({QStringLiteral("C"), QStringLiteral("--first"), QStringLiteral("5"),
             QStringLiteral("--svg"), svg, QStringLiteral("--pdf"), pdf, QStringLiteral("--png"),
             png, QStringLiteral("--scale"), QStringLiteral("1")});
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.output.isEmpty());
    EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();
    const QStringList titles = diagramTitles(svg);
    ASSERT_EQ(titles.size(), 5);
    EXPECT_EQ(titles[0], QString::fromUtf8("C \u2014 x 3 2 0 1 0"));
    for (const QString& title : titles) EXPECT_TRUE(title.startsWith(QStringLiteral("C \u2014")));
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_TRUE(QFile::exists(png));
}

TEST(CliSheetFiles, ASheetOfTheFirstDiagramOfEachChord) {
    QTemporaryDir folder;
    const QString svg = folder.filePath(QStringLiteral("sheet.svg"));
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    const CliRun run =
        cli({QStringLiteral("--sheet"), QStringLiteral("C Am  F G7"), QStringLiteral("--svg"), svg,
             QStringLiteral("--pdf"), pdf, QStringLiteral("--paper"), QStringLiteral("letter"),
             QStringLiteral("--labels"), QStringLiteral("intervals")});
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    QStringList names;
    for (const QString& title : diagramTitles(svg)) names << title.section(u' ', 0, 0);
    EXPECT_EQ(names, (QStringList{"C", "Am", "F", "G7"}));
    EXPECT_EQ(pdfPages(pdf), 1);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The root's labelled disc: "R" is 52 in hexadecimal.
    EXPECT_TRUE(file.readAll().contains("id=\"disc-52\""));
}

TEST(CliSheetFiles, TheFirstFormWritesToo) {
    QTemporaryDir folder;
    const QString svg = folder.filePath(QStringLiteral("e.svg"));
    const CliRun run = cli({QStringLiteral("--intervals"), QStringLiteral("00 04 07"),
                            QStringLiteral("--root"), QStringLiteral("E"), QStringLiteral("--svg"),
                            svg, QStringLiteral("--first"), QStringLiteral("2")});
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    const QStringList titles = diagramTitles(svg);
    ASSERT_EQ(titles.size(), 2);
    EXPECT_TRUE(titles[0].startsWith(QStringLiteral("E \u2014"))) << titles[0].toStdString();
}

TEST(CliSheetFiles, AnUnwritableFileIsToldAndNothingIsLeft) {
    QTemporaryDir folder;
    const QString good = folder.filePath(QStringLiteral("good.pdf"));
    const QString bad = folder.filePath(QStringLiteral("missing/bad.svg"));
    const CliRun run =
        cli({QStringLiteral("G"), QStringLiteral("--svg"), bad, QStringLiteral("--pdf"), good});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("Cannot write"))) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QDir::toNativeSeparators(bad)));
    EXPECT_TRUE(run.output.isEmpty());
    // The other file is written all the same; nothing else is left.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("good.pdf")});
}

} // namespace
