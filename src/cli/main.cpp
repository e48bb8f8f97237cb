#include "Commands.h"

#include <QCoreApplication>
#include <QLoggingCategory>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pocketreel-cli"));
    // The commands say what went wrong in their own words; the areas' warnings would say it a
    // second time. QT_LOGGING_RULES still switches them on.
    QLoggingCategory::setFilterRules(QStringLiteral("pocketreel.*.warning=false"));
    return RunCommandLine(QCoreApplication::arguments().mid(1));
}
