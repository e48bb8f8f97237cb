#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/OutputNames.h"

#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TVideoInfo> NewClip(const QString &path)
{
    auto clip = std::make_unique<TVideoInfo>();
    clip->SetSourcePath(path);
    return clip;
}

QStringList PathsOf(const ClipList &list)
{
    QStringList paths;
    for (const TVideoInfo *clip : list.Clips())
        paths.append(clip->SourcePath());
    return paths;
}

QStringList NamesOf(const ClipList &list)
{
    QStringList names;
    for (const TVideoInfo *clip : list.Clips())
        names.append(clip->OutputName());
    return names;
}

class CoreClipList : public ::testing::Test {
protected:
    void SetUp() override { i_OutputPSPSerialNumber = 1; }
    void TearDown() override { i_OutputPSPSerialNumber = 0; }

    void AddClips(const QStringList &paths)
    {
        for (const QString &path : paths)
            list.AppendClip(NewClip(path));
    }

    ClipList list;
};

} // namespace

TEST_F(CoreClipList, AppendNamesByPositionAndAllowsTheSameFileTwice)
{
    QSignalSpy appended(&list, &ClipList::ClipAppended);
    AddClips({QStringLiteral("a.avi"), QStringLiteral("a.avi"), QStringLiteral("b.avi")});

    EXPECT_EQ(PathsOf(list), (QStringList{"a.avi", "a.avi", "b.avi"}));
    EXPECT_EQ(NamesOf(list), (QStringList{"MAQ70001.MP4", "MAQ70002.MP4", "MAQ70003.MP4"}));
    EXPECT_NE(list.ClipAt(0), list.ClipAt(1));
    ASSERT_EQ(appended.count(), 3);
    EXPECT_EQ(appended.at(2).at(1).toInt(), 2);
}

TEST_F(CoreClipList, ClipAtIsNoneOutsideTheList)
{
    AddClips({QStringLiteral("a.avi"), QStringLiteral("b.avi")});
    const struct {
        int index;
        const char *path;
    } cases[] = {{-1, nullptr}, {0, "a.avi"}, {1, "b.avi"}, {2, nullptr}, {1000, nullptr}};
    for (const auto &c : cases) {
        TVideoInfo *clip = list.ClipAt(c.index);
        if (c.path)
            EXPECT_EQ(clip->SourcePath(), QLatin1String(c.path)) << c.index;
        else
            EXPECT_EQ(clip, nullptr) << c.index;
    }
    EXPECT_EQ(ClipList().ClipAt(0), nullptr);
}

TEST_F(CoreClipList, RemoveSelectedKeepsOrderAndRenamesTheRest)
{
    const struct {
        QList<int> selected;
        QStringList kept;
        QStringList names;
    } cases[] = {
        {{1}, {"a", "c"}, {"MAQ70001.MP4", "MAQ70002.MP4"}},
        {{0}, {"b", "c"}, {"MAQ70001.MP4", "MAQ70002.MP4"}},
        {{0, 2}, {"b"}, {"MAQ70001.MP4"}},
        {{}, {"a", "b", "c"}, {"MAQ70001.MP4", "MAQ70002.MP4", "MAQ70003.MP4"}},
        {{0, 1, 2}, {}, {}},
    };
    for (const auto &c : cases) {
        ClipList clips;
        for (const char *path : {"a", "b", "c"})
            clips.AppendClip(NewClip(QLatin1String(path)));
        for (int index : c.selected)
            clips.ClipAt(index)->SetSelected(true);
        clips.SetCurrent(clips.ClipAt(2));
        QSignalSpy aboutToGo(&clips, &ClipList::ClipAboutToBeRemoved);

        clips.RemoveSelectedClips();

        EXPECT_EQ(PathsOf(clips), c.kept) << c.selected.size();
        EXPECT_EQ(NamesOf(clips), c.names);
        EXPECT_EQ(clips.CurrentClip(), nullptr);
        EXPECT_TRUE(clips.SelectedClips().isEmpty());
        EXPECT_EQ(aboutToGo.count(), c.selected.size());
    }
}

TEST_F(CoreClipList, RemoveClipsIgnoresStrangersAndEmptiesDoomed)
{
    AddClips({QStringLiteral("a"), QStringLiteral("b")});
    TVideoInfo stranger;
    QList<TVideoInfo *> doomed = {&stranger, list.ClipAt(0)};
    list.RemoveClips(doomed);
    EXPECT_TRUE(doomed.isEmpty());
    EXPECT_EQ(PathsOf(list), QStringList{"b"});
    // RemoveClips alone leaves names as they were; the Remove command renames.
    EXPECT_EQ(NamesOf(list), QStringList{"MAQ70002.MP4"});
}

TEST_F(CoreClipList, CollectSelectedFollowsListOrder)
{
    AddClips({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    list.ClipAt(2)->SetSelected(true);
    list.ClipAt(0)->SetSelected(true);
    list.CollectSelected();
    ASSERT_EQ(list.SelectedClips().size(), 2);
    EXPECT_EQ(list.SelectedClips().at(0), list.ClipAt(0));
    EXPECT_EQ(list.SelectedClips().at(1), list.ClipAt(2));
}

TEST_F(CoreClipList, ClearFreesEveryClipAndForgetsTheCurrentOne)
{
    AddClips({QStringLiteral("a"), QStringLiteral("b")});
    list.SetCurrent(list.ClipAt(1));
    QSignalSpy current(&list, &ClipList::CurrentClipChanged);
    QSignalSpy removed(&list, &ClipList::ClipsRemoved);
    QPointer<TVideoInfo> first = list.ClipAt(0);

    list.ClearClips();

    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.CurrentClip(), nullptr);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(current.count(), 1);
    EXPECT_EQ(removed.count(), 1);

    list.ClearClips(); // clearing an empty list tells nobody
    EXPECT_EQ(removed.count(), 1);
}

TEST_F(CoreClipList, CurrentClipIsNoneOrAListedClip)
{
    AddClips({QStringLiteral("a")});
    TVideoInfo stranger;
    list.SetCurrent(&stranger);
    EXPECT_EQ(list.CurrentClip(), nullptr);
    list.SetCurrent(list.ClipAt(0));
    EXPECT_EQ(list.CurrentClip(), list.ClipAt(0));
}

TEST_F(CoreClipList, RenameFollowsFormatAndSerialNumber)
{
    bool firstFormat = true;
    list.SetOutputNamer([&](int position) { return OutputNameOf(position, i_OutputPSPSerialNumber, firstFormat); });
    AddClips({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});

    firstFormat = false;
    list.RenameAllClips();
    EXPECT_EQ(NamesOf(list), (QStringList{"M4V70001.MP4", "M4V70002.MP4", "M4V70003.MP4"}));

    i_OutputPSPSerialNumber += list.Count();
    list.RenameAllClips();
    EXPECT_EQ(NamesOf(list), (QStringList{"M4V70004.MP4", "M4V70005.MP4", "M4V70006.MP4"}));
}
