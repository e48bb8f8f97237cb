#include "ReportingApplication.h"

#include <gtest/gtest.h>

// The program's own application object, so an exception escaping a handler in a widget test
// reaches the error report (and the test's scripted prompts) as it does in the program.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ReportingApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
