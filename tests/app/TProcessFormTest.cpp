#include "TProcessForm.h"
#include "TsuiImageButton.h"
#include "skin/art/SkinLayout.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace L = ProcessFormLayout;

TEST(ProcessFormShell, IsAHiddenShapedWindowWithItsControlsReset)
{
    TProcessForm form;
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.size(), L::Window);
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(form.mask().contains(QPoint(0, 0)));

    const struct {
        const char *name;
        QWidget *control;
        QRect place;
    } table[] = {
        {"Close", form.suiImageButton_Close, L::Close},
        {"StopConvert", form.suiImageButton_StopConvert, L::StopConvert},
        {"Copy", form.suiImageButton_Copy, L::Copy},
        {"Label_Percent", form.Label_Percent, L::Label_Percent},
    };
    for (const auto &row : table)
        EXPECT_EQ(row.control->geometry(), row.place) << row.name;
    EXPECT_EQ(form.Panel_Progress->pos(), L::Panel_Progress.topLeft());
    EXPECT_EQ(form.Panel_Progress->width(), 0);
    EXPECT_FALSE(form.suiImageButton_Copy->isEnabled());
    EXPECT_EQ(form.suiImageButton_Copy->toolTip(), QStringLiteral("Upload to PSP"));
    EXPECT_EQ(form.Timer_Info.interval(), 500);
    EXPECT_FALSE(form.Timer_Info.isActive());
}
