#include "AppWindows.h"
#include "CommandLine.h"
#include "DesktopUrlOpener.h"
#include "InstanceStart.h"
#include "OpenFilesQueue.h"
#include "QtPrompts.h"
#include "ReportingApplication.h"
#include "StartupReport.h"
#include "TMainForm.h"
#include "TOptionForm.h"
#include "TProcessForm.h"
#include "WindowCreation.h"
#include "core/AppGlobals.h"
#include "mainform/cliplist/ClipListComponent.h"
#include "skin/SkinStyle.h"

int main(int argc, char **argv)
{
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv))
        return *answered;

    const QStringList files = FilesToOpen(argc, argv);
    InstanceStart instance(SingleInstance::DefaultLockPaths(ProductName));
    if (const std::optional<int> ended = instance.Claim(files))
        return *ended;

    ReportingApplication app(argc, argv);
    QApplication::setStyle(new SkinStyle);
    QApplication::setApplicationName(ProductName);
    QApplication::setApplicationDisplayName(DisplayProductName);
    QApplication::setDesktopFileName(QStringLiteral(POCKETREEL_APP_ID));
    QtPrompts prompts;
    Prompts::Install(&prompts);
    DesktopUrlOpener urlOpener;
    UrlOpener::Install(&urlOpener);

    const bool created = CreateWindowsOrReport(
        [] {
            MainForm = new TMainForm;
            OptionForm = new TOptionForm;
            ProcessForm = new TProcessForm;
            MainForm->SetOptionsSaver([] { return OptionForm->SaveOptions(); });
            MainForm->SetTrackLanguages([] { return OptionForm->DefaultTrackLanguages(); });
            MainForm->setWindowTitle(ProductName);
        },
        prompts);
    if (!created)
        return 0;

    ClipListComponent &clipList = *MainForm->ClipListPart();
    OpenFilesQueue opening(
        *MainForm, [&clipList] { return clipList.Busy(); },
        [&clipList](const QStringList &paths) { clipList.AddFiles(paths); });
    if (FileHandOverListener *listener = instance.Listener())
        listener->Start([&opening](const QStringList &paths) { opening.OpenFromAnotherStart(paths); });
    opening.Open(files);

    ReportWhenShown(MainForm);
    MainForm->show();
    const int status = app.exec();
    instance.StopTakingFiles();
    delete ProcessForm;
    delete OptionForm;
    delete MainForm;
    return status;
}
