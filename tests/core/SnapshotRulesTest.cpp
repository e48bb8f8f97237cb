#include "core/preview/SnapshotRules.h"

#include <gtest/gtest.h>

TEST(CoreSnapshotRules, SizesFollowTheFormAndTheDisplayAspect)
{
    using F = SnapshotForm;
    const struct {
        const char *what;
        F form;
        int width, height;
        bool displayAspect;
        int aspectIndex;
        QSize size;
    } cases[] = {
        {"thumbnail of a 16:9 DVD", F::Thumbnail, 720, 480, true, 1, {160, 120}},
        {"thumbnail of a 720p clip", F::Thumbnail, 1280, 720, false, 4, {160, 120}},
        {"16:9", F::Jpeg, 720, 480, true, 1, {853, 480}},
        {"4:3 truncates in extended precision", F::Jpeg, 720, 480, true, 0, {639, 480}},
        {"2.21", F::Bitmap, 720, 480, true, 3, {1060, 480}},
        {"1:1", F::Bitmap, 720, 480, true, 2, {480, 480}},
        {"own aspect", F::Jpeg, 720, 576, true, 4, {720, 576}},
        {"without display aspect", F::Jpeg, 720, 480, false, 1, {720, 480}},
        {"4:3 of 576", F::Jpeg, 720, 576, true, 0, {767, 576}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SnapshotSize(c.form, c.width, c.height, c.displayAspect, c.aspectIndex), c.size) << c.what;
    // The same product in a plain double rounds up: the extended precision is what gives 639.
    EXPECT_EQ(int(480 * (4.0 / 3.0)), 640);
}

TEST(CoreSnapshotRules, ExtensionIsAppendedUnlessAlreadyThere)
{
    using F = SnapshotForm;
    const struct {
        const char *chosen;
        F form;
        const char *path;
    } cases[] = {
        {"/tmp/shot", F::Thumbnail, "/tmp/shot.THM"},
        {"/tmp/a.thm", F::Thumbnail, "/tmp/a.thm"},      // letter case does not matter
        {"/tmp/a.jpg", F::Bitmap, "/tmp/a.jpg.bmp"},     // only appends, never replaces
        {"/tmp/a.jpeg", F::Jpeg, "/tmp/a.jpeg.jpg"},
        {"/tmp/a.JPG", F::Jpeg, "/tmp/a.JPG"},
        {"/tmp/a.BMP", F::Bitmap, "/tmp/a.BMP"},
        {"/tmp/dir.bmp/shot", F::Bitmap, "/tmp/dir.bmp/shot.bmp"},  // the folder's dot is not the name's
        {"/tmp/shot.", F::Jpeg, "/tmp/shot..jpg"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SnapshotPath(QString::fromUtf8(c.chosen), c.form), QString::fromUtf8(c.path)) << c.chosen;
}
