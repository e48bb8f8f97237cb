#include "LogCapture.h"
#include "PrivateMounts.h"
#include "platform/UserDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

const QString Product = QStringLiteral("PocketReel");
const QByteArray ShippedOptions = "[Option]\nPSPUploadFolder=VIDEO\\\n";

// An application folder holding a shipped Option.ini, a home and a configuration folder; HOME and
// XDG_CONFIG_HOME point at the latter two while the test runs.
class UserDataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"app", "home", "config"})
            ASSERT_TRUE(QDir(dir.path()).mkpath(QLatin1String(name)));
        write(app() + "Option.ini", ShippedOptions);
        saved = {{"HOME", qgetenv("HOME")}, {"XDG_CONFIG_HOME", qgetenv("XDG_CONFIG_HOME")}};
        qputenv("HOME", QFile::encodeName(home()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config()));
    }

    void TearDown() override
    {
        readOnly.reset();
        for (const auto &[name, value] : saved)
            qputenv(name, value);
    }

    // The application folder as an install under /usr has it; empty when that was possible.
    std::string makeAppFolderReadOnly()
    {
        const std::string refused = EnterPrivateMountNamespace();
        if (!refused.empty())
            return refused;
        readOnly = std::make_unique<ReadOnlyMount>(dir.path() + "/app");
        return readOnly->Failure();
    }

    QString app() const { return dir.path() + "/app/"; }
    QString home() const { return dir.path() + "/home"; }
    QString config() const { return dir.path() + "/config"; }

    static void write(const QString &path, const QByteArray &text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    std::unique_ptr<ReadOnlyMount> readOnly;
    std::vector<std::pair<const char *, QByteArray>> saved;
};

TEST_F(UserDataFolderTest, AWritableApplicationFolderKeepsTheFilesBesideTheProgram)
{
    EXPECT_EQ(UserDataFolder(app(), Product), app());
    EXPECT_EQ(UserDataPath(app(), Product, "Option.ini"), app() + "Option.ini");
    // A folder that is not there is not a read-only one: writes to it fail and say so.
    const QString missing = dir.path() + "/gone/";
    EXPECT_EQ(UserDataPath(missing, Product, "PfSetting.ini"), missing + "PfSetting.ini");
    EXPECT_TRUE(QDir(config()).isEmpty());
}

TEST_F(UserDataFolderTest, AReadOnlyApplicationFolderSendsThemToTheConfigFolderCopiedOnce)
{
    // A shipped file that nobody may write: the user's copy is still theirs to change.
    QFile::setPermissions(app() + "Option.ini", QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (const std::string refused = makeAppFolderReadOnly(); !refused.empty())
        GTEST_SKIP() << refused;

    const QString users = config() + "/PocketReel/Option.ini";
    EXPECT_EQ(UserDataFolder(app(), Product), config() + "/PocketReel/");
    EXPECT_EQ(UserDataPath(app(), Product, "Option.ini"), users);
    EXPECT_EQ(read(users), ShippedOptions);
    EXPECT_TRUE(QFileInfo(users).permissions() & QFileDevice::WriteOwner);
    EXPECT_EQ(QDir(config() + "/PocketReel").entryList(QDir::Files), QStringList{"Option.ini"});

    // The user's changes stay; only a copy that has gone is made again.
    write(users, "[Option]\nOutputSerialNumber=42\n");
    EXPECT_EQ(UserDataPath(app(), Product, "Option.ini"), users);
    EXPECT_EQ(read(users), "[Option]\nOutputSerialNumber=42\n");
    ASSERT_TRUE(QFile::remove(users));
    EXPECT_EQ(UserDataPath(app(), Product, "Option.ini"), users);
    EXPECT_EQ(read(users), ShippedOptions);

    // Nothing shipped to copy: the path is the user's, and reading it gives the defaults.
    EXPECT_EQ(UserDataPath(app(), Product, "PfSetting.ini"), config() + "/PocketReel/PfSetting.ini");
    EXPECT_FALSE(QFileInfo::exists(config() + "/PocketReel/PfSetting.ini"));
}

// Root may write an installed folder, but its files are the package's: an upgrade replaces them and
// a removal deletes them.
TEST_F(UserDataFolderTest, AnInstalledApplicationFolderSendsThemToTheConfigFolderAlsoWhereItCanBeWritten)
{
    write(app() + "INSTALLED", "installed\n");
    const QString users = config() + "/PocketReel/Option.ini";
    EXPECT_EQ(UserDataFolder(app(), Product), config() + "/PocketReel/");
    EXPECT_EQ(UserDataPath(app(), Product, "Option.ini"), users);
    EXPECT_EQ(read(users), ShippedOptions);
    EXPECT_EQ(QDir(app()).entryList(QDir::Files), QStringList({"INSTALLED", "Option.ini"}));
}

TEST_F(UserDataFolderTest, TheConfigFolderFollowsTheXdgRules)
{
    if (const std::string refused = makeAppFolderReadOnly(); !refused.empty())
        GTEST_SKIP() << refused;
    const struct {
        const char *name;
        std::optional<QByteArray> configHome;
        QString folder;
    } cases[] = {
        {"set", QFile::encodeName(config()), config() + "/PocketReel/"},
        {"unset", std::nullopt, home() + "/.config/PocketReel/"},
        {"empty", QByteArray(), home() + "/.config/PocketReel/"},
        {"relative, which the rules make invalid", QByteArray("somewhere/config"), home() + "/.config/PocketReel/"},
    };
    for (const auto &c : cases) {
        if (c.configHome)
            qputenv("XDG_CONFIG_HOME", *c.configHome);
        else
            qunsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(UserDataFolder(app(), Product), c.folder) << c.name;
    }
}

TEST_F(UserDataFolderTest, WithoutAWritableConfigFolderTheShippedFileIsRead)
{
    write(config() + "/PocketReel", "a file where the folder should be");
    if (const std::string refused = makeAppFolderReadOnly(); !refused.empty())
        GTEST_SKIP() << refused;
    LogCapture log;
    EXPECT_EQ(UserDataPath(app(), Product, "Option.ini"), app() + "Option.ini");
    const QStringList warnings = log.MessagesOf("pocketreel.profiles", QtWarningMsg);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(config() + "/PocketReel/Option.ini")) << warnings[0].toStdString();
}

} // namespace
