// The commands that lead away from the lens: the help file, the how-to page, the version box and the
// colour chart pages. None of them changes the lens.
#include "help/help_files.h"
#include "help/version_text.h"
#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::TheHelpDialogClick() {
    OpenDeliveredFile(places_.AppDir + kHelpFile, "The help file ");
}

void TFormFilter::howto1Click() {
    const std::string address = HowToAddress();
    ShellOpen(address, "The page " + address + " could not be opened.");
}

void TFormFilter::OpenDeliveredFile(const std::string& path, std::string_view kind) {
    const std::string named = std::string(kind) + path;
    if (!services_.files.FileExists(path)) {
        ReportError(named + " is missing. It belongs beside pixoscope.exe.", PlatformError{});
        return;
    }
    ShellOpen(path, named + " could not be opened.");
}

std::string TFormFilter::FileVersionText(const std::string& fileName) {
    const std::string path = fileName.empty() ? services_.shell.ProgramPath() : fileName;
    return VersionNumberText(services_.files.FileVersionOf(path));
}

void TFormFilter::version1Click() {
    services_.dialogs.Message(VersionBoxText(FileVersionText("")));
}

void TFormFilter::OpenChartPage(MenuId item) {
    OpenDeliveredFile(places_.AppDir + ChartPageOf(item), "The colour chart page ");
}

}  // namespace pixo
