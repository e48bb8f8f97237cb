// The INI files' readers and loaders on the shipped files and on every input the fuzzer found
// (tests/profiles/fuzz-findings/): each ends without a crash. Loading the options makes a folder
// wherever a damaged file says, so everything is read-only meanwhile but a scratch tmpfs laid over
// the temporary folder in this process's private mount namespace (so nothing is left behind).
#include "IniWorkout.h"
#include "PrivateMounts.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(IniFuzzFindings, ShippedFilesAndEveryFindingGoThroughEveryLoader)
{
    QFileInfoList inputs = QDir(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini")).entryInfoList(QDir::Files);
    inputs += QDir(QStringLiteral(POCKETREEL_SOURCE_DIR "/tests/profiles/fuzz-findings")).entryInfoList(QDir::Files);
    QList<QByteArray> contents;
    for (const QFileInfo &input : inputs) {
        QFile file(input.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        contents.append(file.readAll());
    }
    if (const std::string why = EnterPrivateMountNamespace(); !why.empty())
        GTEST_SKIP() << why;
    if (const std::string why = MakeRootReadOnly(); !why.empty())
        GTEST_SKIP() << why;
    const QString scratch = QDir::tempPath();
    SmallTmpfs writable(scratch, 16 << 20);
    if (!writable.Failure().empty())
        GTEST_SKIP() << writable.Failure();

    for (qsizetype i = 0; i < inputs.size(); ++i) {
        SCOPED_TRACE(inputs[i].fileName().toStdString());
        EXPECT_NO_THROW(WorkThroughIniFiles(scratch + u'/', contents[i]));
    }
}
