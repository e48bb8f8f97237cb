#include "AppWindows.h"
#include "CommandLine.h"
#include "DesktopUrlOpener.h"
#include "QtPrompts.h"
#include "ReportingApplication.h"
#include "StartupReport.h"
#include "TMainForm.h"
#include "TOptionForm.h"
#include "TProcessForm.h"
#include "WindowCreation.h"
#include "core/AppGlobals.h"
#include "platform/SingleInstance.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv))
        return *answered;

    SingleInstance instance(SingleInstance::DefaultLockPaths(ProductName));
    switch (instance.TryAcquire()) {
    case SingleInstance::Claim::HeldByAnotherInstance:
        return -1;
    case SingleInstance::Claim::NoLock:
        std::fprintf(stderr,
                     "%s: no single-instance lock could be taken (%s); starting without one, so a "
                     "second start will not be refused.\n",
                     qPrintable(ProductName), qPrintable(instance.FailureReport()));
        break;
    case SingleInstance::Claim::Held:
        break;
    }

    ReportingApplication app(argc, argv);
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
            MainForm->setWindowTitle(ProductName);
        },
        prompts);
    if (!created)
        return 0;

    ReportWhenShown(MainForm);
    MainForm->show();
    const int status = app.exec();
    delete ProcessForm;
    delete OptionForm;
    delete MainForm;
    return status;
}
