#include "skin/SkinPictures.h"
#include "skin/SkinShape.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPalette.h"
#include "skin/art/SkinPictureNames.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

namespace M = MainFormLayout;
namespace O = OptionFormLayout;
namespace P = ProcessFormLayout;
namespace N = SkinPictureName;

// Every picture the windows load exists, at the size of the place the layout gives it.
TEST(SkinPictures, EveryPictureHasTheSizeOfItsPlace)
{
    const struct {
        const char *name;
        QSize size;
    } pictures[] = {
        {N::MainForm, M::Window},           {N::Intro, M::Panel_Intro.size()},
        {N::ProgressBack, M::Image_ProgressBack.size()}, {N::Stretch, M::Image_Stretch},
        {N::BarBack, M::Image_BarBack},     {N::Bar, M::Image_Bar},
        {N::Chk, M::Image_Chk},             {N::AddProgress, M::Panel_AddProgress.size()},
        {N::Progress, QSize(1, 5)},         {N::SoundOnly, M::Panel_Preview.size()},
        {N::OptionForm, O::Window},         {N::ProcessForm, P::Window},
        {N::ComboXPButton, SkinKitLayout::ComboXPButton},
    };
    for (const auto &p : pictures)
        EXPECT_EQ(skinPicture(QLatin1String(p.name)).size(), p.size) << p.name;
}

TEST(SkinPictures, EveryButtonHasItsStatesAtItsSize)
{
    const struct {
        const char *name;
        QSize size;
        bool disabled;
    } buttons[] = {
        {N::Help, M::Help.size(), false},         {N::Min, M::Min.size(), false},
        {N::Close, M::Close.size(), false},       {N::OpenDir, M::ToolButton, false},
        {N::OpenFile, M::ToolButton, false},      {N::Clear, M::ToolButton, false},
        {N::Option, M::ToolButton, false},        {N::Snapshoot, M::Snapshoot.size(), true},
        {N::Browse, M::Browse.size(), false},     {N::StartConvert, M::StartConvert.size(), false},
        {N::MarkerLeft, M::Marker, false},        {N::MarkerRight, M::Marker, false},
        {N::ProcessClose, P::Close.size(), false}, {N::StopConvert, P::StopConvert.size(), false},
        {N::Copy, P::Copy.size(), true},
        {N::OptionClose, O::Close.size(), false}, {N::OptionOK, O::OK.size(), true},
        {N::OptionCancel, O::Cancel.size(), true}, {N::TabOutput, O::TabOutput.size(), true},
        {N::TabInput, O::TabInput.size(), true},   {N::TabSystem, O::TabSystem.size(), true},
        {N::ProfileAdd, O::Add.size(), true},      {N::ProfileDel, O::Del.size(), true},
        {N::OptionBrowse, O::Browse.size(), true},
    };
    for (const auto &b : buttons)
        for (SkinPictureName::ButtonState state : SkinPictureName::AllButtonStates) {
            const bool wanted = state != SkinPictureName::ButtonState::Disabled || b.disabled;
            const SkinPicture picture =
                skinPicture(QLatin1String(b.name) + QLatin1Char('.') + QLatin1String(SkinPictureName::stateName(state)));
            EXPECT_EQ(picture.isNull(), !wanted) << b.name << " " << SkinPictureName::stateName(state);
            if (wanted)
                EXPECT_EQ(picture.size(), b.size) << b.name << " " << SkinPictureName::stateName(state);
        }
}

// The window outline must be cut exactly, at both sizes: a half-transparent pixel would be
// neither shape nor hole, and a pixel close to the key colour would show as a pink fringe.
TEST(SkinPictures, SkinsHaveRoundedTransparentCornersAndAHardEdge)
{
    for (const char *name : {N::MainForm, N::OptionForm, N::ProcessForm, N::AboutForm})
        for (const QString &file : {QStringLiteral(":/skin/%1.png"), QStringLiteral(":/skin/%1@2x.png")}) {
            const QString path = file.arg(QLatin1String(name));
            const QImage skin = QImage(path).convertToFormat(QImage::Format_ARGB32);
            ASSERT_FALSE(skin.isNull()) << path.toStdString();
            EXPECT_EQ(qAlpha(skin.pixel(0, 0)), 0) << path.toStdString();
            EXPECT_EQ(qAlpha(skin.pixel(skin.width() - 1, skin.height() - 1)), 0) << path.toStdString();
            EXPECT_EQ(qAlpha(skin.pixel(skin.width() / 2, 0)), 255) << path.toStdString();
            int partlyTransparent = 0, fringe = 0;
            for (int y = 0; y < skin.height(); ++y)
                for (int x = 0; x < skin.width(); ++x) {
                    const QRgb c = skin.pixel(x, y);
                    if (qAlpha(c) != 0 && qAlpha(c) != 255)
                        ++partlyTransparent;
                    if (qAlpha(c) != 0 && qRed(c) > 150 && qBlue(c) > 150 && qGreen(c) < 100)
                        ++fringe;
                }
            EXPECT_EQ(partlyTransparent, 0) << path.toStdString();
            EXPECT_EQ(fringe, 0) << path.toStdString();
            // The shape keeps the whole width along the middle row.
            const int middle = skin.height() / 2;
            EXPECT_EQ(skinRegion(skin, SkinPalette::KeyColour).intersected(QRect(0, middle, skin.width(), 1)),
                      QRegion(0, middle, skin.width(), 1))
                << path.toStdString();
        }
}

// The sharp copies for HiDPI screens: one for every picture, twice its size, drawn anew rather
// than scaled up (a scaled picture repeats every pixel in 2 x 2 blocks).
TEST(SkinPictures, EveryPictureHasASharpCopyAtTwiceItsSize)
{
    const QStringList files = QDir(QStringLiteral(":/skin")).entryList({QStringLiteral("*.png")});
    int pictures = 0;
    for (const QString &file : files) {
        if (file.endsWith(QLatin1String("@2x.png")))
            continue;
        ++pictures;
        const QString name = file.chopped(4);
        const QImage picture(QStringLiteral(":/skin/") + file);
        const QImage doubled(QStringLiteral(":/skin/%1@2x.png").arg(name));
        ASSERT_FALSE(doubled.isNull()) << name.toStdString();
        EXPECT_EQ(doubled.size(), picture.size() * 2) << name.toStdString();
    }
    EXPECT_EQ(files.size(), 2 * pictures);
    // Pictures with texts and curves, which a plain bar of colours cannot show.
    for (const QString &name : {QString::fromLatin1(N::MainForm), QLatin1String(N::OpenDir) + QStringLiteral(".normal")}) {
        const QImage picture = QImage(QStringLiteral(":/skin/%1.png").arg(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage doubled = QImage(QStringLiteral(":/skin/%1@2x.png").arg(name)).convertToFormat(QImage::Format_ARGB32);
        EXPECT_NE(doubled, picture.scaled(picture.size() * 2)) << name.toStdString();
    }
}

TEST(SkinPictures, TheBrowseButtonIsKeyedByItsTopLeftPixel)
{
    const QImage browse = skinPicture(QLatin1String(N::Browse) + QStringLiteral(".normal")).image();
    EXPECT_EQ(browse.pixel(0, 0) | 0xFF000000, SkinPalette::KeyColour);
    EXPECT_NE(browse.pixel(browse.width() / 2, browse.height() / 2) | 0xFF000000, SkinPalette::KeyColour);
}

TEST(SkinPictures, UnknownNamesGiveNoPicture)
{
    EXPECT_TRUE(skinPicture(QStringLiteral("NoSuchPicture")).isNull());
}

} // namespace
