// A PSP pulled out during an upload, found through the real volumes service: a disk image on a
// loop device that the kernel reports removable. The device loses its connection while the
// first file is on its way, either as a cable pulled (every access fails from then on) or as a
// lazy unmount (the mount point no longer leads to it). The user gets the error report with the
// reason, the buttons come back, and plugged in again the device holds no part of the file
// under the PSP's name.
#include "PrivateMounts.h"
#include "ScriptedPrompts.h"
#include "StderrCapture.h"
#include "TProcessForm.h"
#include "TsuiImageButton.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "platform/volumes/SystemVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using Kind = ScriptedPrompts::Kind;

struct Unplugging {
    const char *how;
    std::string (RemovableImage::*leave)();
    const char *reason; // what the error names
};

// Writes `bytes` into the pipe that stands for the converted file, a block at a time.
bool Feed(int pipe, qint64 bytes)
{
    const QByteArray block(64 * 1024, 'v');
    for (qint64 done = 0; done < bytes; done += block.size())
        if (::write(pipe, block.constData(), size_t(block.size())) != block.size())
            return false;
    return true;
}

qint64 SizeOf(const QString &path)
{
    struct stat facts {};
    return ::stat(QFile::encodeName(path).constData(), &facts) == 0 ? facts.st_size : -1;
}

} // namespace

TEST(FaultUpload, APspUnpluggedMidUploadKeepsNoPartialFileAndSaysWhy)
{
    if (const std::string why = EnterPrivateMountNamespace(); !why.empty())
        GTEST_SKIP() << why;
    std::signal(SIGPIPE, SIG_IGN);
    const Unplugging ways[] = {
        {"the cable is pulled", &RemovableImage::Unplug, "Input/output error"},
        {"the drive is unmounted lazily", &RemovableImage::LazyUnmount, "No such device"},
    };
    const QStringList savedFolders{g_s_OutputFolder, PSPUploadFolder, PSPAVCFolder, PSPMP4Folder};
    for (const Unplugging &way : ways) {
        SCOPED_TRACE(way.how);
        QTemporaryDir root;
        const QString mountPoint = root.filePath("psp");
        ASSERT_TRUE(QDir().mkpath(mountPoint));
        RemovableImage psp(mountPoint, 32);
        if (!psp.Failure().empty())
            GTEST_SKIP() << "no removable disk image here: " << psp.Failure();
        ASSERT_TRUE(QDir(mountPoint).mkpath("PSP/VIDEO"));
        ASSERT_TRUE(QDir(mountPoint).mkpath("MP_ROOT/100ANV01"));
        g_s_OutputFolder = root.filePath("out/");
        PSPUploadFolder = QStringLiteral("PSP/VIDEO/");
        PSPAVCFolder = QStringLiteral("MP_ROOT/100ANV01/");
        PSPMP4Folder = QStringLiteral("MP_ROOT/100MNV01/");
        ASSERT_TRUE(QDir().mkpath(g_s_OutputFolder));

        SystemVolumes volumes;
        QStringList removable;
        for (const Volume &volume : volumes.removableVolumes())
            removable.append(volume.mountPoint);
        ASSERT_TRUE(removable.contains(mountPoint + u'/')) << removable.join(u' ').toStdString();

        // The converted file is a pipe, so the device can go while the copy is surely under way.
        ClipList clips;
        auto clip = std::make_unique<TVideoInfo>();
        clip->SetTicked(true);
        clips.AppendClip(std::move(clip))->SetOutputName(QStringLiteral("MAQ70001.MP4"));
        const QString converted = g_s_OutputFolder + QStringLiteral("MAQ70001.MP4");
        ASSERT_EQ(::mkfifo(QFile::encodeName(converted).constData(), 0644), 0);
        const QString arriving = mountPoint + QStringLiteral("/MP_ROOT/100ANV01/MAQ70001.MP4.part");

        std::string unplugged = "not yet";
        std::thread film([&] {
            const int pipe = ::open(QFile::encodeName(converted).constData(), O_WRONLY | O_CLOEXEC);
            if (pipe < 0)
                return;
            const qint64 first = 4 << 20;
            if (Feed(pipe, first)) {
                for (int wait = 0; wait < 1000 && SizeOf(arriving) < first; ++wait)
                    ::usleep(10000);
                unplugged = (psp.*way.leave)();
                Feed(pipe, 1 << 20);
            }
            ::close(pipe);
        });

        ScriptedPrompts prompts;
        TProcessForm form;
        form.SetUploadSources(&clips, &volumes);
        form.show();
        for (TsuiImageButton *button : {form.suiImageButton_Copy, form.suiImageButton_Close, form.suiImageButton_StopConvert})
            button->setEnabled(true);
        {
            StderrCapture errors;
            QTest::mouseClick(form.suiImageButton_Copy, Qt::LeftButton, {}, QPoint(20, 20));
            film.join();
            ASSERT_EQ(unplugged, "") << "the device could not be made to leave";
            const QByteArray said = errors.Text();
            EXPECT_TRUE(said.contains(way.reason)) << said.toStdString();
        }

        const QStringList reported = prompts.TextsOf(Kind::Confirm);
        ASSERT_EQ(reported.size(), 1) << reported.join(u'|').toStdString();
        EXPECT_TRUE(reported[0].contains(mountPoint + QStringLiteral("/MP_ROOT/100ANV01/MAQ70001.MP4")))
            << reported[0].toStdString();
        EXPECT_TRUE(reported[0].contains(QLatin1String(way.reason))) << reported[0].toStdString();
        EXPECT_TRUE(prompts.TextsOf(Kind::Information).isEmpty()) << "an upload that failed said it finished";
        for (TsuiImageButton *button : {form.suiImageButton_Copy, form.suiImageButton_Close, form.suiImageButton_StopConvert})
            EXPECT_TRUE(button->isEnabled());
        EXPECT_FALSE(form.Uploading());

        std::string why;
        const QStringList left = psp.FilesWhenPluggedAgain(&why);
        ASSERT_EQ(why, "");
        EXPECT_FALSE(left.contains("MP_ROOT/100ANV01/MAQ70001.MP4")) << left.join(u' ').toStdString();
        std::cout << "left on the device when " << way.how << ": " << left.join(u' ').toStdString() << '\n';
    }
    g_s_OutputFolder = savedFolders[0];
    PSPUploadFolder = savedFolders[1];
    PSPAVCFolder = savedFolders[2];
    PSPMP4Folder = savedFolders[3];
}
