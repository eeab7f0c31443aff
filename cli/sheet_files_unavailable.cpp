// The terminal without the window's drawing (a build with TAMBREL_GUI off) writes no files.
#include "cli/sheet_command.h"

namespace tambrel {

int writeSheetFiles(const std::vector<SheetDiagram>&, const SheetFileOptions&,
                    const SheetExportOptions&) {
    return fail("this tambrel-cli was built without Qt (TAMBREL_GUI=OFF): it writes no "
                "SVG, PDF or PNG files");
}

} // namespace tambrel
