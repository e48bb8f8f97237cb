#include "ProfileFixture.h"

#include "core/profiles/DefinitionFamilies.h"
#include "platform/IniFile.h"

using Kind = ScriptedPrompts::Kind;

namespace {

QStringList textsOf(const FakeChoiceList &list)
{
    return list.texts;
}

} // namespace

TEST_F(ProfileFilesTest, ListFamiliesInBothForms)
{
    const struct {
        const char *keys;
        QStringList texts;
        int selected;
    } cases[] = {
        {"PCount=3\nPText0=a\nPText2=c\nPDefault=1", {"a", "c"}, 1},   // entry 1 without text: c moves up
        {"PCount=2\nPText0=a\nPText1=b\nPDefault=5", {"a", "b"}, -1},  // default outside the list
        {"PCount=2\nPText0=a\nPText01=b\nPText1=b", {"a", "b"}, -1},   // "01" is not entry 1
        {"PCount=1\nPText0=a\nPText1=b", {"a"}, -1},                    // beyond Count
        {"PMin=0\nPMax=10\nPStep=5\nPDefault=2", {"0", "5", "10"}, 2},
        {"PMin=-4\nPMax=-1\nPStep=2", {"-4", "-2"}, -1},
        {"PMin=12\nPMax=10\nPStep=1", {}, -1},
        {"PMin=0\nPMax=10\nPStep=0", {}, -1},   // a step below 1 lists nothing rather than looping
        {"PMin=0\nPMax=10\nPStep=-3", {}, -1},
        {"PCount=0", {}, -1},                    // missing range keys: step 0
        {"PCount=-2\nPMin=1\nPMax=2\nPStep=1", {"1", "2"}, -1},
    };
    for (const auto &c : cases) {
        write(QStringLiteral("f.ini"), QByteArray("[S]\n") + c.keys);
        const ChoiceFamily family = ReadChoiceFamily(IniFile(folder() + "f.ini"), QStringLiteral("S"), QStringLiteral("P"));
        FakeChoiceList list;
        for (const QString &t : family.texts)
            list.append(t, -1);
        list.select(family.defaultPosition);
        EXPECT_EQ(list.texts, c.texts) << c.keys;
        EXPECT_EQ(list.selected(), c.selected) << c.keys;
    }
}

TEST_F(ProfileFilesTest, HugeFamiliesStayBounded)
{
    write(QStringLiteral("f.ini"), "[S]\nRMin=-2147483648\nRMax=2147483647\nRStep=1\n"
                                   "TCount=2147483647\nTText5=five\nTText2000000000=far\n"
                                   "EMin=2147483600\nEMax=2147483647\nEStep=40\n");
    const IniFile file(folder() + "f.ini");
    EXPECT_EQ(ReadChoiceFamily(file, "S", "R").texts.size(), MaxRangeEntries);
    EXPECT_EQ(ReadChoiceFamily(file, "S", "T").texts, QStringList({"five", "far"}));
    // The step past the top of the integers must not wrap around and continue.
    EXPECT_EQ(ReadChoiceFamily(file, "S", "E").texts, QStringList({"2147483600", "2147483640"}));
}

TEST_F(ProfileFilesTest, NumberFamilyBoundsAndDefault)
{
    const struct {
        const char *keys;
        int minimum, maximum, value, step;
    } cases[] = {
        {"VideoBitRateMin=100\nVideoBitRateMax=1600\nVideoBitRateDefault=2000", 100, 1600, 1600, 1},
        {"VideoBitRateMin=100\nVideoBitRateMax=1600\nVideoBitRateDefault=50\nVideoBitRateStep=8", 100, 1600, 100, 8},
        {"VideoBitRateDefault=2000", 0, 0, 2000, 1},   // equal bounds: not bounded
        {"", 0, 0, 0, 1},
    };
    for (const auto &c : cases) {
        write(QStringLiteral("f.ini"), QByteArray("[S]\n") + c.keys);
        const NumberFamily n = ReadNumberFamily(IniFile(folder() + "f.ini"), "S", "VideoBitRate");
        EXPECT_EQ(n.minimum, c.minimum) << c.keys;
        EXPECT_EQ(n.maximum, c.maximum) << c.keys;
        EXPECT_EQ(n.value, c.value) << c.keys;
        EXPECT_EQ(n.step, c.step) << c.keys;
    }
}

TEST_F(ProfileFilesTest, VideoFormatsLoadTheSelectedFormatsLists)
{
    writeDefinition();
    FakeProfileWindow window(files);
    files.LoadVideoFormats(window, QStringLiteral("PSP"));

    EXPECT_EQ(window.DeviceSection, QStringLiteral("PSP"));
    EXPECT_EQ(textsOf(window.formats), QStringList({"h264", "mpeg4"}));
    EXPECT_EQ(window.formats.selected(), 0);
    EXPECT_EQ(window.list(FormatFamily::VideoResolution).selectedText(), QStringLiteral("400:192"));
    EXPECT_EQ(window.list(FormatFamily::VideoAspect).selectedText(), QStringLiteral("16:9"));
    EXPECT_EQ(window.list(FormatFamily::AudioVolume).count(), 10);
    EXPECT_EQ(window.bitRate.value(), 812);
    EXPECT_EQ(window.bitRate.minimum, 100);
    EXPECT_EQ(window.bitRate.maximum, 1600);
    EXPECT_EQ(window.bitRate.increment, 4);

    window.formats.select(1);
    window.videoFormatChanged();
    EXPECT_EQ(textsOf(window.list(FormatFamily::VideoResolution)), QStringList({"320:240", "368:208"}));
    EXPECT_EQ(window.list(FormatFamily::AudioVolume).selectedText(), QStringLiteral("2"));
    EXPECT_EQ(window.list(FormatFamily::VideoAspect).count(), 0);
    EXPECT_EQ(window.bitRate.value(), 500);
    EXPECT_TRUE(window.list(FormatFamily::VideoResolution).enabled);
}

TEST_F(ProfileFilesTest, FormatOutsideTheDefinitionLeavesListsEmpty)
{
    writeDefinition();
    FakeProfileWindow window(files);
    files.LoadVideoFormats(window, QStringLiteral("PSP"));
    window.bitRate.setValue(700);

    for (int k : {-1, 2, 99}) {
        files.LoadFormatChoices(window, k);
        EXPECT_EQ(window.list(FormatFamily::VideoResolution).count(), 0) << k;
        EXPECT_EQ(window.list(FormatFamily::VideoResolution).enabled, k >= 0) << k;
        EXPECT_EQ(window.bitRate.value(), 700) << k;   // the number field is not cleared
    }
}

TEST_F(ProfileFilesTest, MissingFilesGiveEmptyListsAndNoProfiles)
{
    FakeProfileWindow window(files);
    window.bitRate.setValue(812);
    open(window);
    EXPECT_EQ(window.formats.count(), 0);
    EXPECT_EQ(window.list(FormatFamily::VideoResolution).count(), 0);
    EXPECT_FALSE(window.list(FormatFamily::VideoResolution).enabled);
    EXPECT_EQ(window.profiles.count(), 0);
    EXPECT_EQ(window.profileName, QStringLiteral("Custom Profile"));
    EXPECT_EQ(window.bitRate.value(), 812);
}

TEST_F(ProfileFilesTest, ProfileListDescribesEachStoredProfile)
{
    writeDefinition();
    writeStore("[PSP-Profile]\nProfileCount=3\nProfileText0=Custom Profile\nProfileText1=Bare\nProfileText2=Alien\n"
               "ProfileDefault=0\nCustom Profile=0,1,2,0,812,3,2,0,0,\nAlien=7,0,0,0,300,0,0,0,0,\n");
    FakeProfileWindow window(files);
    open(window);

    EXPECT_EQ(textsOf(window.profiles),
              QStringList({"Custom Profile : Video-h264,400:192,812kbps,Audio-64kbps,48hz", "Bare", "Alien"}));
    EXPECT_EQ(window.profiles.tags, QList<int>({0, 1, 2}));
    EXPECT_EQ(files.DescribeProfile(window, "1,0,5,0,300,9,9,0,0,"),
              QStringLiteral(" : Video-mpeg4,,300kbps,Audio-0kbps,0hz"));
}

TEST_F(ProfileFilesTest, ProfilesFillEmptySlotsAndApplyByTheirSlot)
{
    writeDefinition();
    writeStore("[PSP-Profile]\nProfileCount=3\nProfileText0=A\nProfileText1=nodef\nProfileText2=C\n"
               "A=0,0,0,0,300,0,0,0,0,\nC=1,0,1,0,650,0,0,1,0,\n");
    FakeProfileWindow window(files);
    open(window);
    EXPECT_EQ(window.profiles.count(), 2);
    EXPECT_EQ(window.profiles.tags, QList<int>({0, 2}));
    EXPECT_EQ(window.profiles.selected(), -1);   // no ProfileDefault

    window.profiles.select(1);
    files.ApplyProfile(window, 1);
    EXPECT_EQ(window.profileName, QStringLiteral("C"));
    EXPECT_EQ(window.formats.selectedText(), QStringLiteral("mpeg4"));
    EXPECT_EQ(window.list(FormatFamily::VideoResolution).selectedText(), QStringLiteral("368:208"));
    EXPECT_EQ(window.list(FormatFamily::AudioVolume).selected(), 1);
    EXPECT_EQ(window.bitRate.value(), 650);

    window.formats.select(0);
    window.videoFormatChanged();
    EXPECT_TRUE(files.SaveProfile(window, "  D  "));
    const IniFile saved(files.storePath());
    EXPECT_EQ(saved.readString("PSP-Profile", "ProfileText1", ""), QStringLiteral("D"));
    EXPECT_EQ(saved.readInteger("PSP-Profile", "ProfileCount", 0), 3);
    EXPECT_EQ(saved.readString("PSP-Profile", "D", ""), QStringLiteral("0,1,2,0,812,1,0,0,0,"));
    EXPECT_TRUE(prompts.Questions().isEmpty());

    EXPECT_TRUE(files.SaveProfile(window, "E"));
    EXPECT_EQ(IniFile(files.storePath()).readString("PSP-Profile", "ProfileText3", ""), QStringLiteral("E"));
    EXPECT_EQ(IniFile(files.storePath()).readInteger("PSP-Profile", "ProfileCount", 0), 4);
}

TEST_F(ProfileFilesTest, ApplyingClampsAndIgnoresWhatTheListsLack)
{
    writeDefinition();
    writeStore("[PSP-Profile]\nProfileCount=2\nProfileText0=Wild\nProfileText1=Empty\nProfileDefault=0\n"
               "Wild=0,9,9,9,5000,9,9,4,0,\n");
    FakeProfileWindow window(files);
    open(window);
    EXPECT_EQ(window.list(FormatFamily::VideoResolution).selected(), -1);
    EXPECT_EQ(window.list(FormatFamily::VideoAspect).selected(), -1);
    EXPECT_EQ(window.list(FormatFamily::AudioVolume).selected(), 4);
    EXPECT_EQ(window.bitRate.value(), 1600);

    // A profile without a value string changes nothing but the name.
    const int changes = window.formatChanges;
    files.ApplyProfile(window, 1);
    EXPECT_EQ(window.profileName, QStringLiteral("Empty"));
    EXPECT_EQ(window.formatChanges, changes);
    EXPECT_EQ(window.bitRate.value(), 1600);
}

TEST_F(ProfileFilesTest, ProfileForAnUnlistedFormatIsShownByNameAndSelectsNoFormat)
{
    writeDefinition();
    writeStore("[PSP-Profile]\nProfileCount=1\nProfileText0=Old\nProfileDefault=0\nOld=5,0,0,0,300,0,0,0,0,\n");
    FakeProfileWindow window(files);
    open(window);
    EXPECT_EQ(textsOf(window.profiles), QStringList({"Old"}));
    EXPECT_EQ(window.formats.selected(), -1);
    EXPECT_EQ(window.list(FormatFamily::VideoResolution).count(), 0);
    EXPECT_FALSE(window.list(FormatFamily::VideoResolution).enabled);
}

TEST_F(ProfileFilesTest, BuiltInProfilesAreNeitherOverwrittenNorRemoved)
{
    writeDefinition();
    writeStore("[PSP-Profile]\nProfileCount=1\nProfileText0=Factory\nFactory=0,0,0,0,300,0,0,0,1,\n");
    const QByteArray before = store();
    FakeProfileWindow window(files);
    open(window);

    EXPECT_FALSE(files.SaveProfile(window, "factory"));
    EXPECT_FALSE(files.RemoveProfile(window, "Factory"));
    EXPECT_EQ(prompts.TextsOf(Kind::Information),
              QStringList({"Profile Name : \"factory\".\nYou Can not modify this setting!",
                           "Profile Name : \"Factory\".\nYou Can not remove this setting!"}));
    EXPECT_TRUE(prompts.TextsOf(Kind::Confirm).isEmpty());
    EXPECT_EQ(store(), before);
}

TEST_F(ProfileFilesTest, OverwritingAsksAndRewritesOnlyTheValue)
{
    writeDefinition();
    writeStore("[PSP-Profile]\nProfileCount=2\nProfileText0=My Clip\nProfileText1=Other\nMy Clip=1,0,0,0,300,0,0,0,0,\n");
    FakeProfileWindow window(files);
    open(window);
    const QByteArray before = store();

    prompts.QueueConfirm(false);
    EXPECT_FALSE(files.SaveProfile(window, "MY CLIP"));
    EXPECT_EQ(store(), before);

    prompts.QueueConfirm(true);
    EXPECT_TRUE(files.SaveProfile(window, "MY CLIP"));
    EXPECT_EQ(prompts.TextsOf(Kind::Confirm).first(),
              QStringLiteral("Profile Name : \"MY CLIP\" already exists.\nDo you want to overwrite it?"));
    const IniFile saved(files.storePath());
    EXPECT_EQ(saved.readInteger("PSP-Profile", "ProfileCount", 0), 2);
    EXPECT_EQ(saved.readString("PSP-Profile", "ProfileText0", ""), QStringLiteral("My Clip"));
    EXPECT_EQ(saved.readString("PSP-Profile", "my clip", ""), QStringLiteral("0,1,2,0,812,1,0,0,0,"));
    EXPECT_TRUE(window.profiles.textAt(0).startsWith(QStringLiteral("My Clip")));
}

TEST_F(ProfileFilesTest, RefusedNamesWriteNothing)
{
    writeDefinition();
    writeStore("[PSP-Profile]\nProfileCount=1\nProfileText0=A\nA=0,0,0,0,300,0,0,0,0,\n");
    const QByteArray before = store();
    FakeProfileWindow window(files);
    open(window);
    for (const char *name : {"", "   ", "a=b", "x\ny", "[PSP]", "; note", "ProfileCount", "nodef"}) {
        prompts.ClearQuestions();
        EXPECT_FALSE(files.SaveProfile(window, QString::fromLatin1(name))) << name;
        EXPECT_FALSE(files.RemoveProfile(window, QString::fromLatin1(name))) << name;
        ASSERT_EQ(prompts.TextsOf(Kind::Information).size(), 2) << name;
        EXPECT_TRUE(prompts.TextsOf(Kind::Information).first().startsWith(QStringLiteral("Profile Name : \""))) << name;
    }
    EXPECT_EQ(store(), before);
}

TEST_F(ProfileFilesTest, RemovingTakesTheNamedProfileWhateverIsSelected)
{
    writeDefinition();
    writeStore("[PSP-Profile]\nProfileCount=3\nProfileText0=A\nProfileText1=B\nProfileText2=Bare\nProfileDefault=0\n"
               "A=0,0,0,0,300,0,0,0,0,\nB=0,0,1,0,400,0,0,0,0,\n");
    FakeProfileWindow window(files);
    open(window);
    ASSERT_EQ(window.profiles.selected(), 0);

    prompts.QueueConfirm(false);
    EXPECT_FALSE(files.RemoveProfile(window, "B"));
    EXPECT_EQ(window.profiles.count(), 3);

    prompts.QueueConfirm(true);
    EXPECT_TRUE(files.RemoveProfile(window, "b"));
    EXPECT_EQ(prompts.TextsOf(Kind::Confirm).last(), QStringLiteral("Profile Name : \"b\".\nDo you want to remove it?"));
    const IniFile afterB(files.storePath());
    EXPECT_EQ(afterB.readString("PSP-Profile", "ProfileText0", ""), QStringLiteral("A"));
    EXPECT_EQ(afterB.readString("PSP-Profile", "ProfileText1", ""), QStringLiteral("nodef"));
    EXPECT_EQ(afterB.readString("PSP-Profile", "B", ""), QStringLiteral("nodef"));
    EXPECT_EQ(afterB.readInteger("PSP-Profile", "ProfileCount", 0), 3);
    EXPECT_EQ(window.profiles.count(), 2);

    // A listed name without a value string goes too; an unknown name is reported, nothing written.
    prompts.QueueConfirm(true);
    EXPECT_TRUE(files.RemoveProfile(window, "Bare"));
    EXPECT_EQ(IniFile(files.storePath()).readString("PSP-Profile", "ProfileText2", ""), QStringLiteral("nodef"));
    const QByteArray before = store();
    EXPECT_FALSE(files.RemoveProfile(window, "Ghost"));
    EXPECT_EQ(prompts.TextsOf(Kind::Information).last(),
              QStringLiteral("Profile Name : \"Ghost\".\nThere is no profile of this name."));
    EXPECT_EQ(store(), before);
    EXPECT_EQ(textsOf(window.profiles).size(), 1);
}

TEST_F(ProfileFilesTest, SavingANameListedWithoutValueReusesItsSlot)
{
    writeDefinition();
    writeStore("[PSP-Profile]\nProfileCount=1\nProfileText0=Bare\n");
    FakeProfileWindow window(files);
    open(window);
    EXPECT_TRUE(files.SaveProfile(window, "Bare"));
    const IniFile saved(files.storePath());
    EXPECT_EQ(saved.readInteger("PSP-Profile", "ProfileCount", 0), 1);
    EXPECT_EQ(window.profiles.count(), 1);
}

TEST_F(ProfileFilesTest, DefinitionValuePrefersValueThenText)
{
    writeDefinition();
    EXPECT_EQ(files.DefinitionValue("PSP-h264", "AudioBitrate", 3), QStringLiteral("64000"));
    EXPECT_EQ(files.DefinitionValue("PSP-h264", "AudioBitrate", 1), QStringLiteral("32"));
    EXPECT_EQ(files.DefinitionValue("PSP-h264", "AudioBitrate", 9), QStringLiteral("nodef"));
    EXPECT_EQ(files.DefinitionValue("PSP-none", "AudioBitrate", 0), QStringLiteral("nodef"));
}

TEST_F(ProfileFilesTest, FailedWriteIsReportedAndNothingClaimsSuccess)
{
    const ProfileFiles unreachable(folder() + QStringLiteral("missing/folder/"), prompts);
    FakeProfileWindow window(unreachable);
    unreachable.LoadVideoFormats(window, QStringLiteral("PSP"));

    EXPECT_FALSE(unreachable.SaveProfile(window, "New"));
    EXPECT_EQ(prompts.TextsOf(Kind::Error), QStringList({"Unable to write to " + unreachable.storePath()}));
}

TEST_F(ProfileFilesTest, NamesBeyondAsciiSurviveTheStore)
{
    writeDefinition();
    FakeProfileWindow window(files);
    open(window);
    const QString name = QStringLiteral("Vid\u00e9os \u65e5\u672c [tv]");
    EXPECT_TRUE(files.SaveProfile(window, name));
    ASSERT_EQ(window.profiles.count(), 1);
    EXPECT_TRUE(window.profiles.textAt(0).startsWith(name + " : Video-h264"));
    files.ApplyProfile(window, 0);
    EXPECT_EQ(window.profileName, name);
    prompts.QueueConfirm(true);
    EXPECT_TRUE(files.RemoveProfile(window, name));
    EXPECT_EQ(window.profiles.count(), 0);
}
