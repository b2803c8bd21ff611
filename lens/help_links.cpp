// The commands that lead away from the lens: the help file, the how-to page, the version box and the
// colour chart pages. None of them changes the lens.
#include "help/help_files.h"
#include "help/version_text.h"
#include "lens/form_filter.h"

namespace pixo {

void TFormFilter::TheHelpDialogClick() {
    // The shell and the help viewer report a missing file themselves.
    ShellOpen(AppDir + kHelpFile);
}

void TFormFilter::howto1Click() {
    ShellOpen(HowToAddress());
}

std::string TFormFilter::FileVersionText(const std::string& fileName) {
    const std::string path = fileName.empty() ? services_.shell.ProgramPath() : fileName;
    return VersionNumberText(services_.files.FileVersionOf(path));
}

void TFormFilter::version1Click() {
    services_.dialogs.Message(VersionBoxText(FileVersionText("")));
}

void TFormFilter::OpenChartPage(MenuId item) {
    const std::string path = AppDir + ChartPageOf(item);
    if (services_.files.FileExists(path))
        ShellOpen(path);
}

void TFormFilter::OpenPMSChartwebbrowser1Click() {
    OpenChartPage(MenuId::OpenPMSChartwebbrowser1);
}

void TFormFilter::OpenRALColorChartClick() {
    OpenChartPage(MenuId::OpenRALColorChart);
}

void TFormFilter::RALClassic1Click() {
    OpenChartPage(MenuId::RALClassic1);
}

}  // namespace pixo
