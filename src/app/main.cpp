#include "AppWindows.h"
#include "QtPrompts.h"
#include "StartupReport.h"
#include "TMainForm.h"
#include "TOptionForm.h"
#include "TProcessForm.h"
#include "WindowCreation.h"
#include "core/AppGlobals.h"
#include "platform/SingleInstance.h"

#include <QApplication>

int main(int argc, char **argv)
{
    SingleInstance instance(ProductName);
    if (!instance.TryAcquire())
        return -1;

    QApplication app(argc, argv);
    QApplication::setApplicationName(ProductName);
    QApplication::setApplicationDisplayName(DisplayProductName);
    QtPrompts prompts;
    Prompts::Install(&prompts);

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
