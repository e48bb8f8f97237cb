#include "CommandLine.h"

#include "core/AppGlobals.h"
#include "platform/UserDataFolder.h"

#include <cstdio>
#include <cstring>

namespace {

bool asked(int argc, char **argv, const char *shortName, const char *longName)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], shortName) == 0 || std::strcmp(argv[i], longName) == 0)
            return true;
    return false;
}

void print(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

QString helpText()
{
    return QStringLiteral(
               "Usage: pocketreel [--help | --version]\n\n"
               "%1 turns video files into MP4 files that a PlayStation Portable plays,\n"
               "and uploads them to a PSP plugged in as a USB drive.\n\n"
               "Options:\n"
               "  -h, --help       show this help and exit\n"
               "  -v, --version    show the version and exit\n\n"
               "Files:\n"
               "  %2\n"
               "      the program, its engine DVDEncoder.so and the definition file PfDef.dll\n"
               "  %3\n"
               "      Option.ini and PfSetting.ini: the options and the profiles\n\n"
               "Diagnostics go to standard error: warnings always, more with\n"
               "  QT_LOGGING_RULES=\"pocketreel.*.debug=true\"\n"
               "(categories pocketreel.engine, .run, .upload, .volumes and .profiles).\n")
        .arg(DisplayProductName, path_PNG, UserDataFolder(path_PNG, ProductName));
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char **argv)
{
    if (asked(argc, argv, "-h", "--help")) {
        print(helpText());
        return 0;
    }
    if (asked(argc, argv, "-v", "--version")) {
        print(ProductName + g_s_Version + u'\n');
        return 0;
    }
    return std::nullopt;
}
