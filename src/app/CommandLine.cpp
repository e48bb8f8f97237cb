#include "CommandLine.h"

#include "core/AppGlobals.h"
#include "core/ProductTexts.h"

#include <QDir>
#include <QFile>
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
               "Usage: pocketreel [--help | --version] [FILE...]\n\n"
               "%1 turns video files into MP4 files that a PlayStation Portable plays,\n"
               "and uploads them to a PSP plugged in as a USB drive.\n\n"
               "The FILEs are added to the list as the Add button adds them; when PocketReel\n"
               "runs already, they go to the running one and this start ends at once.\n"
               "After -- every argument is a file, also one whose name starts with -.\n\n"
               "Options:\n"
               "  -h, --help       show this help and exit\n"
               "  -v, --version    show the version and the licence and exit\n\n"
               "%2\n"
               "Diagnostics go to standard error: warnings always, more with\n"
               "  QT_LOGGING_RULES=\"pocketreel.*.debug=true\"\n"
               "(categories pocketreel.engine, .run, .upload, .volumes and .profiles).\n")
        .arg(DisplayProductName, QLatin1String(ProductText::FilesHelp));
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char **argv)
{
    if (asked(argc, argv, "-h", "--help")) {
        print(helpText());
        return 0;
    }
    if (asked(argc, argv, "-v", "--version")) {
        print(ProductName + g_s_Version + u'\n' + QLatin1String(ProductText::LicenceNotice));
        return 0;
    }
    return std::nullopt;
}

QStringList FilesToOpen(const QStringList &arguments, const QString &workingFolder)
{
    // Qt's options that take their value as the next argument; "--name" is read as "-name".
    static const QStringList qtOptionsWithValue = {
        QStringLiteral("-platform"), QStringLiteral("-platformpluginpath"), QStringLiteral("-platformtheme"),
        QStringLiteral("-plugin"), QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowicon"),
        QStringLiteral("-qwindowtitle"), QStringLiteral("-session"), QStringLiteral("-display"),
        QStringLiteral("-geometry"), QStringLiteral("-name"), QStringLiteral("-style"),
        QStringLiteral("-stylesheet"),
    };
    const QDir folder(workingFolder);
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument.isEmpty())
            continue;
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(u'-')) {
            const QString option = argument.startsWith(QLatin1String("--")) ? argument.mid(1) : argument;
            if (qtOptionsWithValue.contains(option))
                ++i;
            continue;
        }
        files << QDir::cleanPath(folder.absoluteFilePath(argument));
    }
    return files;
}

QStringList FilesToOpen(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return FilesToOpen(arguments, QDir::currentPath());
}
