// The Copy button on real folders: a temporary folder stands for the removable PSP through fake
// volumes, another for the output folder.
#include "FakeVolumes.h"
#include "QtPrinting.h"
#include "ScriptedPrompts.h"
#include "TProcessForm.h"
#include "TsuiImageButton.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>
#include <csignal>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/resource.h>

namespace {

using Kind = ScriptedPrompts::Kind;

QByteArray Pattern(qint64 size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 13 + i / 4093);
    return bytes;
}

class Upload : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        saved = {g_s_OutputFolder, PSPUploadFolder, PSPAVCFolder, PSPMP4Folder};
        g_s_OutputFolder = Folder("out");
        PSPUploadFolder = QStringLiteral("PSP/");
        PSPAVCFolder = QStringLiteral("MP_ROOT/100ANV01/");
        PSPMP4Folder = QStringLiteral("MP_ROOT/100MNV01/");
        psp = Drive("psp", VolumeKind::Removable, {"psp", "mp_root/100anv01", "mp_root/100mnv01"});
        form.SetUploadSources(&clips, &volumes);
        form.show();
        for (TsuiImageButton *button : Buttons())
            button->setEnabled(true);
    }

    void TearDown() override
    {
        form.hide();
        g_s_OutputFolder = saved[0];
        PSPUploadFolder = saved[1];
        PSPAVCFolder = saved[2];
        PSPMP4Folder = saved[3];
    }

    QString Folder(const QString &name)
    {
        QDir().mkpath(root.filePath(name));
        return root.filePath(name) + u'/';
    }

    Volume Drive(const QString &name, VolumeKind kind, const QStringList &folders)
    {
        const QString mountPoint = Folder(name);
        for (const QString &folder : folders)
            QDir(mountPoint).mkpath(folder);
        Volume volume = FakeVolumes::makeVolume(mountPoint, kind);
        mounted.append(volume);
        volumes.setMounted(mounted);
        return volume;
    }

    // A clip whose converted files lie in the output folder (the thumbnail when asked for).
    void AddClip(const QString &outputName, qint64 size, bool thumbnail, bool ticked = true)
    {
        auto clip = std::make_unique<TVideoInfo>();
        clip->SetOutputName(outputName);
        clip->SetTicked(ticked);
        TVideoInfo *added = clips.AppendClip(std::move(clip));
        added->SetOutputName(outputName);
        Write(g_s_OutputFolder + outputName, Pattern(size, char(clips.Count())));
        if (thumbnail)
            Write(g_s_OutputFolder + outputName.chopped(3) + "THM", "thumbnail of " + outputName.toUtf8());
    }

    static void Write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Every file on the device, by path below its root.
    QStringList DeviceFiles() const
    {
        QStringList files;
        const QDir root(psp.mountPoint);
        for (const QString &folder : {QString(), QStringLiteral("mp_root/100anv01"), QStringLiteral("mp_root/100mnv01")})
            for (const QString &file : QDir(psp.mountPoint + folder).entryList(QDir::Files | QDir::Hidden))
                files.append(root.relativeFilePath(psp.mountPoint + folder + u'/' + file));
        files.sort();
        return files;
    }

    QList<TsuiImageButton *> Buttons() const
    {
        return {form.suiImageButton_Copy, form.suiImageButton_Close, form.suiImageButton_StopConvert};
    }

    bool ButtonsEnabled() const
    {
        const auto buttons = Buttons();
        return std::all_of(buttons.begin(), buttons.end(), [](TsuiImageButton *b) { return b->isEnabled(); });
    }

    QTemporaryDir root;
    std::array<QString, 4> saved;
    QList<Volume> mounted;
    FakeVolumes volumes;
    Volume psp;
    ClipList clips;
    ScriptedPrompts prompts;
    TProcessForm form;
};

} // namespace

TEST_F(Upload, EachFormatGoesToItsFolderWithItsThumbnailReplacingWhatIsThere)
{
    AddClip("MAQ70001.MP4", 3 * 1024 * 1024 + 17, true);
    AddClip("M4V70002.MP4", 1000, false);
    AddClip("MAQ70003.MP4", 1000, true, false);  // not ticked
    Write(psp.mountPoint + "mp_root/100anv01/MAQ70001.MP4", "an older film of that name, longer than this text");

    form.suiImageButton_CopyClick();

    EXPECT_EQ(DeviceFiles(), (QStringList{"mp_root/100anv01/MAQ70001.MP4", "mp_root/100anv01/MAQ70001.THM",
                                          "mp_root/100mnv01/M4V70002.MP4"}));
    EXPECT_EQ(Read(psp.mountPoint + "mp_root/100anv01/MAQ70001.MP4"), Read(g_s_OutputFolder + "MAQ70001.MP4"));
    EXPECT_EQ(Read(psp.mountPoint + "mp_root/100anv01/MAQ70001.THM"), QByteArray("thumbnail of MAQ70001.MP4"));
    EXPECT_EQ(Read(psp.mountPoint + "mp_root/100mnv01/M4V70002.MP4"), Pattern(1000, 2));
    EXPECT_EQ(Read(g_s_OutputFolder + "MAQ70001.MP4"), Pattern(3 * 1024 * 1024 + 17, 1));
    EXPECT_EQ(prompts.TextsOf(Kind::Information), QStringList{QStringLiteral("Upload to PSP finish!")});
    EXPECT_TRUE(prompts.TextsOf(Kind::Error).isEmpty());
    EXPECT_EQ(form.Label_CopyFile->text(), QString());
    EXPECT_EQ(form.Label_Percent->text(), QStringLiteral("100"));
    EXPECT_TRUE(ButtonsEnabled());
}

TEST_F(Upload, EmptyFolderTextsPutTheFilesInTheFirstRemovableRoot)
{
    PSPUploadFolder.clear();
    PSPAVCFolder.clear();
    PSPMP4Folder.clear();
    const Volume disk = Drive("a-disk", VolumeKind::Fixed, {});
    AddClip("MAQ70001.MP4", 100, true);
    AddClip("M4V70002.MP4", 100, true);

    form.suiImageButton_CopyClick();

    EXPECT_EQ(DeviceFiles(), (QStringList{"M4V70002.MP4", "M4V70002.THM", "MAQ70001.MP4", "MAQ70001.THM"}));
    EXPECT_EQ(QDir(disk.mountPoint).entryList(QDir::Files), QStringList());
}

TEST_F(Upload, WithoutAPspNothingHappensButTheBox)
{
    volumes.setMounted({FakeVolumes::makeVolume(Folder("stick"), VolumeKind::Removable),
                        FakeVolumes::makeVolume(psp.mountPoint, VolumeKind::Fixed)});
    AddClip("MAQ70001.MP4", 100, true);

    form.suiImageButton_CopyClick();

    EXPECT_EQ(prompts.TextsOf(Kind::Information),
              QStringList{QStringLiteral("Can not find PSP Video folder.\nPlease check your PSP connection!")});
    EXPECT_EQ(DeviceFiles(), QStringList());
    EXPECT_TRUE(ButtonsEnabled());
}

TEST_F(Upload, AMissingSourceIsReportedAndTheOthersStillGo)
{
    AddClip("MAQ70001.MP4", 100, true);
    AddClip("MAQ70002.MP4", 100, true);
    QFile::remove(g_s_OutputFolder + "MAQ70001.MP4");

    form.suiImageButton_CopyClick();

    EXPECT_EQ(prompts.TextsOf(Kind::Error),
              QStringList{"Can not find srcfile : \n" + g_s_OutputFolder + "MAQ70001.MP4\n"});
    EXPECT_EQ(DeviceFiles(), (QStringList{"mp_root/100anv01/MAQ70002.MP4", "mp_root/100anv01/MAQ70002.THM"}));
    EXPECT_EQ(prompts.TextsOf(Kind::Information), QStringList{QStringLiteral("Upload to PSP finish!")});
}

// The window keeps handling events while it copies: what a user or the system does meanwhile
// must not reach the upload.
TEST_F(Upload, TheWindowStaysResponsiveButBusyUntilTheLastFileIsOnTheDevice)
{
    AddClip("MAQ70001.MP4", 8 * 1024 * 1024, false);
    AddClip("MAQ70002.MP4", 100, true);
    bool buttonsDisabled = false;
    QString copyText;
    QTimer::singleShot(0, &form, [&] {
        const auto buttons = Buttons();
        buttonsDisabled = std::none_of(buttons.begin(), buttons.end(), [](TsuiImageButton *b) { return b->isEnabled(); });
        copyText = form.Label_CopyFile->text();
        form.close();        // from the window manager: waits for the upload to end
        clips.ClearClips();  // as a disc removed meanwhile would: the names were taken already
    });

    form.suiImageButton_CopyClick();

    EXPECT_TRUE(buttonsDisabled);
    EXPECT_EQ(copyText, QStringLiteral("Uploading : MAQ70001.MP4 to PSP."));
    EXPECT_EQ(DeviceFiles(), (QStringList{"mp_root/100anv01/MAQ70001.MP4", "mp_root/100anv01/MAQ70002.MP4",
                                          "mp_root/100anv01/MAQ70002.THM"}));
    EXPECT_EQ(prompts.TextsOf(Kind::Information), QStringList{QStringLiteral("Upload to PSP finish!")});
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Upload, AFailedCopyLeavesNoPartialFileAndReportsTheError)
{
    const QString destination = psp.mountPoint + "mp_root/100anv01/MAQ70001.MP4";
    const struct {
        const char *why;
        QString avcFolder;
        rlim_t fileSizeLimit;
        QString message;
    } cases[] = {
        {"the destination folder is not on the device", QStringLiteral("MP_ROOT/100ANV99/"), RLIM_INFINITY,
         "Cannot create file " + psp.mountPoint + "MP_ROOT/100ANV99/MAQ70001.MP4"},
        // A full memory stick, played by a file size limit.
        {"the device fills up", QStringLiteral("MP_ROOT/100ANV01/"), 1024 * 1024,
         "Cannot write file " + destination + ": File too large"},
    };
    AddClip("MAQ70001.MP4", 3 * 1024 * 1024, true);
    AddClip("MAQ70002.MP4", 100, true);
    const QByteArray source = Read(g_s_OutputFolder + "MAQ70001.MP4");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        Write(destination, "the film uploaded last week");
        PSPAVCFolder = c.avcFolder;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{c.fileSizeLimit, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        QString thrown;
        try {
            form.suiImageButton_CopyClick();
        } catch (const std::runtime_error &error) {
            thrown = QString::fromUtf8(error.what());
        }
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        EXPECT_EQ(thrown, c.message);
        EXPECT_EQ(DeviceFiles(), QStringList{"mp_root/100anv01/MAQ70001.MP4"});
        EXPECT_EQ(Read(destination), QByteArray("the film uploaded last week"));
        EXPECT_EQ(Read(g_s_OutputFolder + "MAQ70001.MP4"), source);
        EXPECT_TRUE(ButtonsEnabled());
        EXPECT_FALSE(form.Uploading());
        EXPECT_TRUE(prompts.TextsOf(Kind::Information).isEmpty());
    }
}
