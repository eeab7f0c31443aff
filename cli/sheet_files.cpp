// The terminal's file writers: Qt's, on its offscreen platform, set up only to write files.
#include "cli/sheet_command.h"

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <utility>

namespace tambrel {

namespace {

QtMessageHandler qtMessages = nullptr;

// A terminal without a desktop session has no runtime folder; Qt's remark on it is of no use
// to the user of a command that only writes files.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
    if (qtMessages) qtMessages(type, context, message);
}

} // namespace

int writeSheetFiles(const std::vector<SheetDiagram>& diagrams, const SheetFileOptions& files,
                    const SheetExportOptions& base) {
    // The writers draw text, so Qt's fonts must be there; no display is needed or used.
    std::unique_ptr<QGuiApplication> application;
    if (QGuiApplication::instance() == nullptr) {
        qtMessages = qInstallMessageHandler(quietMessages);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tambrel-cli";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }

    const std::pair<SheetFormat, const std::string*> targets[] = {{SheetFormat::Svg, &files.svg},
                                                                  {SheetFormat::Pdf, &files.pdf},
                                                                  {SheetFormat::Png, &files.png}};
    int status = 0;
    for (const auto& target : targets) {
        if (target.second->empty()) continue;
        SheetExportOptions options = base;
        options.format = target.first;
        const SheetExportResult result = exportSheet(diagrams, options, *target.second);
        if (!result.written()) {
            std::cerr << "tambrel-cli: " << result.message << '\n';
            status = 1;
        }
    }
    return status;
}

} // namespace tambrel
