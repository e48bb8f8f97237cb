#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

TEST(SupportScriptedPrompts, AnswersFromItsQueuesThenCancelsAndRecordsEverything)
{
    ScriptedPrompts prompts;
    ASSERT_EQ(&Prompts::Current(), &prompts);
    prompts.QueueConfirm(true);
    prompts.QueueOpenFiles({QStringLiteral("/v/a.avi"), QStringLiteral("/v/b.avi")});
    prompts.QueueSaveFile(QStringLiteral("/v/shot.jpg"), 2);

    Prompts &current = Prompts::Current();
    EXPECT_TRUE(current.Confirm(QStringLiteral("Do you want to stop process?")));
    EXPECT_FALSE(current.Confirm(QStringLiteral("again")));
    EXPECT_EQ(current.OpenFiles(QString(), QStringLiteral("Video|*.avi")).size(), 2);
    EXPECT_TRUE(current.OpenFiles(QString(), QString()).isEmpty());
    const Prompts::SaveAnswer saved = current.SaveFile(QString(), QStringLiteral("JPG|*.jpg"), 1);
    EXPECT_EQ(saved.path, QLatin1String("/v/shot.jpg"));
    EXPECT_EQ(saved.filterIndex, 2);
    EXPECT_TRUE(current.SaveFile(QString(), QString(), 3).path.isEmpty());
    EXPECT_TRUE(current.ChooseFolder(QStringLiteral("Please select Output Folder:"), QStringLiteral("/v")).isEmpty());
    current.Information(QStringLiteral("Seeking file, please waiting."));
    current.Warning(QStringLiteral("Invalid input value."));

    EXPECT_EQ(prompts.Questions().size(), 9);
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Confirm),
              (QStringList{"Do you want to stop process?", "again"}));
    EXPECT_EQ(prompts.QuestionsOf(ScriptedPrompts::Kind::OpenFiles).first().filter, QLatin1String("Video|*.avi"));
    EXPECT_EQ(prompts.QuestionsOf(ScriptedPrompts::Kind::SaveFile).last().filterIndex, 3);
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::ChooseFolder), QStringList{"Please select Output Folder:"});
    EXPECT_EQ(prompts.QuestionsOf(ScriptedPrompts::Kind::ChooseFolder).first().startFolder, QLatin1String("/v"));
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Warning), QStringList{"Invalid input value."});
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Information), QStringList{"Seeking file, please waiting."});
}

TEST(SupportScriptedPrompts, PutsBackWhatWasInstalledBefore)
{
    Prompts *before = Prompts::Installed();
    {
        ScriptedPrompts outer;
        {
            ScriptedPrompts inner;
            EXPECT_EQ(Prompts::Installed(), &inner);
        }
        EXPECT_EQ(Prompts::Installed(), &outer);
    }
    EXPECT_EQ(Prompts::Installed(), before);
}
