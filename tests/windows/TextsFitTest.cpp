// Every text fits its place in every window at the windows' own font: each label holds the
// longest text it can be given without running past its edge, into another text or control, or
// out of what its containers show; texts of any length are elided with "…" and whole in a tooltip.

#include "AppFolderFixture.h"
#include "QtPrinting.h"

#include "about/TForm_About.h"
#include "core/AppGlobals.h"
#include "core/TVideoInfo.h"
#include "core/profiles/Languages.h"
#include "core/streams/ClipStreams.h"
#include "mainform/TMainForm.h"
#include "mainform/cliplist/ClipListComponent.h"
#include "mainform/cliplist/ClipListView.h"
#include "mainform/cliplist/ClipRow.h"
#include "mainform/cliplist/ClipScrollBar.h"
#include "mainform/cliplist/TLabelInfo.h"
#include "mainform/settings/SettingsPanel.h"
#include "optionform/TOptionForm.h"
#include "processform/TProcessForm.h"
#include "skin/ElidedLabel.h"
#include "skin/SkinFonts.h"
#include "skin/TsuiImageButton.h"
#include "skin/inputs/ComboButtonGeometry.h"
#include "skin/inputs/TsuiComboBox.h"
#include "skin/inputs/TsuiEdit.h"
#include "skin/inputs/TsuiTrackBar.h"

#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

const QString LongName = QStringLiteral("A very long holiday video file name from the summer of 2024.avi");
const QString LongPath = QStringLiteral("/home/somebody/Videos/Holidays/2024/Summer at the sea/") + LongName;

// Where a label's text lies, in the window's coordinates.
QRect textPlace(QWidget *window, const QLabel *label)
{
    const auto *elided = qobject_cast<const ElidedLabel *>(label);
    const QString shown = elided ? elided->shownText() : label->text();
    const QFontMetrics metrics = label->fontMetrics();
    const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                           QSize(metrics.horizontalAdvance(shown), metrics.height()),
                                           label->contentsRect());
    return text.translated(label->mapTo(window, QPoint(0, 0)));
}

// What of a widget its window shows: its rectangle cut by every container above it.
QRect shownPart(QWidget *window, const QWidget *widget)
{
    QRect shown(widget->mapTo(window, QPoint(0, 0)), widget->size());
    for (const QWidget *above = widget->parentWidget(); above && above != window; above = above->parentWidget())
        shown &= QRect(above->mapTo(window, QPoint(0, 0)), above->size());
    return shown & window->rect();
}

bool isInputOrButton(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const TsuiImageButton *>(widget) || qobject_cast<const TsuiTrackBar *>(widget);
}

bool related(const QWidget *a, const QWidget *b)
{
    return a->isAncestorOf(b) || b->isAncestorOf(a);
}

QString nameOf(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    const QString text = label ? QStringLiteral(" \"%1\"").arg(label->text()) : QString();
    return QStringLiteral("%1%2").arg(widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                                                     : widget->objectName(),
                                      text);
}

// Every text of `window` that does not fit: wider or higher than its label (a text of any length
// excepted, which elides), cut by a container, or running into another text or control.
QStringList misfits(QWidget *window, const QStringList &anyLength = {})
{
    QStringList found;
    struct Piece {
        QWidget *widget;
        QRect place;
    };
    QList<Piece> pieces;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || label->mapTo(window, QPoint(0, 0)).y() >= window->height()
            || label->mapTo(window, QPoint(0, 0)).x() + label->width() <= 0)
            continue;  // no text, or kept outside the window on purpose
        const QFontMetrics metrics = label->fontMetrics();
        const bool fixedText = label->objectName().isEmpty() || !anyLength.contains(label->objectName());
        if (fixedText
            && metrics.horizontalAdvance(label->text().trimmed()) > label->contentsRect().width())
            found << QStringLiteral("%1 is %2 wide, its text %3").arg(nameOf(label)).arg(label->contentsRect().width())
                         .arg(metrics.horizontalAdvance(label->text().trimmed()));
        if (metrics.height() > label->contentsRect().height())
            found << QStringLiteral("%1 is lower than its text").arg(nameOf(label));
        const QRect text = textPlace(window, label);
        const QRect shown = shownPart(window, label);
        if (shown.isEmpty())
            continue;  // scrolled out of sight
        if (!shown.contains(text))
            found << QStringLiteral("%1 is cut by what holds it").arg(nameOf(label));
        // A text needs a little air on either side, or two texts read as one.
        if (label->isVisible())
            pieces.append({label, text.adjusted(-1, 0, 1, 0)});
    }
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (widget->isVisible() && isInputOrButton(widget) && !shownPart(window, widget).isEmpty())
            pieces.append({widget, shownPart(window, widget)});
    for (int i = 0; i < pieces.size(); ++i)
        for (int j = i + 1; j < pieces.size(); ++j)
            if (!related(pieces[i].widget, pieces[j].widget) && pieces[i].place.intersects(pieces[j].place))
                found << QStringLiteral("%1 runs into %2").arg(nameOf(pieces[i].widget), nameOf(pieces[j].widget));
    return found;
}

// The tooltip that shows when the mouse rests on the widget; empty when none does.
QString toolTipShownFor(QWidget *widget)
{
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &help);
    const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    QTest::qWaitFor([] { return !QToolTip::isVisible(); });
    return text;
}

class TextsFit : public AppFolderFixture {
protected:
    void SetUp() override
    {
        AppFolderFixture::SetUp();
        g_s_OutputFolder = QStringLiteral("/home/somebody/Videos/converted for the handheld/PSP/");
    }

    // Clips whose row texts are the longest each column can hold.
    void AddLongestClips(TMainForm &form)
    {
        i_OutputPSPSerialNumber = 9990;
        const struct {
            int start, end;
        } ranges[] = {{0, TVideoInfo::MaxSeconds - 1}, {1, TVideoInfo::MaxSeconds}};
        for (int i = 0; i < 10; ++i) {
            auto clip = std::make_unique<TVideoInfo>();
            clip->SetClipName(QStringLiteral("      ") + LongName.left(30));
            clip->SetSourcePath(LongPath);
            clip->SetDuration(TVideoInfo::MaxSeconds);
            clip->SetStartTime(ranges[i % 2].start);
            clip->SetEndTime(ranges[i % 2].end);
            clip->SetVideoSize(0, 7680, 4320);
            clip->SetTicked(true);
            clip->SetInfoText(QStringLiteral("Clip Name : ") + LongName);
            form.Clips().AppendClip(std::move(clip));
        }
        form.ClipListPart()->View()->LayoutRows();
    }
};

TEST_F(TextsFit, TheShippedFontIsTheCondensedStandInForTahoma)
{
    // Every width below is measured with it; another font would measure another program.
    EXPECT_EQ(QFontInfo(tahomaPixels(11)).family(), QStringLiteral("DejaVu Sans Condensed"));
    EXPECT_EQ(QFontInfo(tahomaPoints(8)).pixelSize(), 11);
}

TEST_F(TextsFit, MainWindowWithTheLongestRowTextsInBothVideoFormats)
{
    TMainForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    AddLongestClips(form);
    form.Settings()->suiTrackBar_Volume->setPosition(10);
    form.Label_Info->show();
    ASSERT_EQ(form.Settings()->suiComboBox_VideoFormat->currentIndex(), 0);

    for (const QString prefix : {QStringLiteral("MAQ7"), QStringLiteral("M4V7")}) {
        if (prefix == QLatin1String("M4V7"))
            pick(form.Settings()->suiComboBox_VideoFormat, 1);
        ClipRow *row = form.ClipListPart()->View()->rowOf(form.Clips().ClipAt(9));
        ASSERT_EQ(row->label("OutputLabel")->text(), prefix + QStringLiteral("9999.MP4"));
        EXPECT_EQ(row->label("LengthLabel")->text(), QStringLiteral("Video Length : 24:00:00"));
        // The first eight rows, then the last eight with the scroll thumb at the bottom.
        for (const int thumbTop : {ClipScrollBar::ThumbMin, ClipScrollBar::ThumbMax}) {
            form.ClipListPart()->View()->bar()->setThumbTop(thumbTop);
            form.ClipListPart()->View()->ScrollRows();
            EXPECT_EQ(misfits(&form, {QStringLiteral("NameLabel")}), QStringList())
                << prefix.toStdString() << " thumb at " << thumbTop;
        }
    }

    // The name column shows the start of the name and the row's tooltip all of it.
    ClipRow *row = form.ClipListPart()->View()->rowOf(form.Clips().ClipAt(0));
    EXPECT_TRUE(row->label("NameLabel")->shownText().endsWith(QChar(0x2026)));
    EXPECT_TRUE(row->toolTip().contains(LongName));
    // The read-only output folder shows the ends of its path, and all of it in the tooltip.
    EXPECT_TRUE(form.suiEdit_OutputFolder->shownText().contains(QChar(0x2026)));
    EXPECT_TRUE(form.suiEdit_OutputFolder->shownText().endsWith(QStringLiteral("PSP/")));
    EXPECT_EQ(toolTipShownFor(form.suiEdit_OutputFolder), g_s_OutputFolder);
}

// The stream selectors hold the longest names of the default languages' streams whole, beside
// their captions and the trim row above them.
TEST_F(TextsFit, StreamSelectorsWithTheLongestStreamNames)
{
    TMainForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    AddLongestClips(form);
    SourceStreams longest;
    int id = 0;
    for (const LanguageRecord &language : DefaultLanguages) {
        for (int copy = 0; copy < 2; ++copy) {
            for (const auto &[codec, channels] : {std::pair{"truehd", 8}, std::pair{"eac3", 6}, std::pair{"pcm_s24le", 2}})
                longest.sound.append({SourceStream::Kind::Sound, id++, QLatin1String(language.code), QLatin1String(codec), channels});
            for (const char *codec : {"hdmv_pgs_subtitle", "microdvd", "dvb_subtitle"}) {
                SourceStream forced{SourceStream::Kind::Subtitle, id++, QLatin1String(language.code), QLatin1String(codec)};
                forced.forced = true;
                longest.subtitles.append(forced);
            }
            longest.subtitles.append({SourceStream::Kind::File, id++, QLatin1String(language.code), QStringLiteral("webvtt")});
        }
    }
    TVideoInfo *clip = form.Clips().ClipAt(0);
    ApplySourceStreams(*clip, longest, {});
    form.ClipListPart()->SetCurrentClip(clip);
    form.Panel_Intro->hide();
    EXPECT_EQ(misfits(&form, {QStringLiteral("NameLabel")}), QStringList());

    for (QComboBox *selector : {form.suiComboBox_Audio, form.suiComboBox_Subtitle}) {
        ASSERT_TRUE(selector->isVisible() && selector->isEnabled());
        const int room = comboButtonRect(selector->size()).left() - 6;  // where TsuiComboBox draws the text
        for (int i = 0; i < selector->count(); ++i)
            EXPECT_LE(selector->fontMetrics().horizontalAdvance(selector->itemText(i)), room)
                << selector->itemText(i).toStdString() << " in " << selector->width() << " px";
    }
}

TEST_F(TextsFit, OptionsDialog)
{
    TOptionForm dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(misfits(&dialog), QStringList());
    QTest::mouseClick(dialog.suiImageButton_Input, Qt::LeftButton);
    ASSERT_TRUE(dialog.suiImagePanel_Input->isVisible());
    EXPECT_EQ(misfits(&dialog), QStringList());
    dialog.close();
}

TEST_F(TextsFit, ConversionWindowWithTheLongestValues)
{
    TProcessForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QString longestTime = QStringLiteral("24:00:00");
    for (QLabel *time : {form.Label_StartTime, form.Label_StopTime, form.Label_Length, form.Label_CurrentTime})
        time->setText(longestTime);
    form.Label_TitleName->setText(LongPath);
    form.Label_DesName->setText(QStringLiteral("MAQ79999.MP4"));
    form.Label_Percent->setText(QStringLiteral("100"));
    form.Label_CopyFile->setText(QStringLiteral("Uploading : MAQ79999.MP4 to PSP."));
    for (const char *fps : {"Seeking...", "5184000"}) {
        form.Label_FPS->setText(QLatin1String(fps));
        form.Label_CurrentFrame->setText(QLatin1String(fps));
        EXPECT_EQ(misfits(&form, {QStringLiteral("Label_TitleName")}), QStringList()) << fps;
    }

    // The source path shows its start and its file name, and whole in the tooltip.
    auto *path = qobject_cast<ElidedLabel *>(form.Label_TitleName);
    ASSERT_NE(path, nullptr);
    EXPECT_TRUE(path->shownText().contains(QChar(0x2026)));
    EXPECT_TRUE(path->shownText().endsWith(QStringLiteral(".avi")));
    EXPECT_EQ(toolTipShownFor(path), LongPath);
    path->setText(QStringLiteral("/videos/a.avi"));
    EXPECT_EQ(path->shownText(), QStringLiteral("/videos/a.avi"));
    EXPECT_TRUE(toolTipShownFor(path).isEmpty());
    form.close();
}

TEST_F(TextsFit, AboutBox)
{
    TForm_About box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(box.Label_Version->text(), g_s_Version);
    EXPECT_EQ(misfits(&box), QStringList());
    box.close();
}

} // namespace
