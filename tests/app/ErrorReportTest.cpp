// The error report as the program's application object delivers it: an exception escaping a
// handler reaches the question, with the error's own message above it, and Yes mails it.
#include "RecordingUrlOpener.h"
#include "ScriptedPrompts.h"
#include "core/AppGlobals.h"
#include "skin/ImageButtons.h"
#include "skin/TsuiImageButton.h"
#include "skin/art/SkinPictureNames.h"

#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using Kind = ScriptedPrompts::Kind;

QString question()
{
    return DisplayProductName
        + QStringLiteral(" has found an error.\nWould you be willing to send this data to us?\n"
                         "Please click \"Yes\" to send this message to us, thank you very much!");
}

class ErrorReportFromHandlers : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(200, 80);
        button = new TsuiImageButton(&window);
        applyButtonPictures(*button, QLatin1String(SkinPictureName::Copy));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void click() { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5)); }

    ScriptedPrompts prompts;
    RecordingUrlOpener opener;
    QWidget window;
    TsuiImageButton *button = nullptr;
};

TEST_F(ErrorReportFromHandlers, YesMailsTheMessageAndTheVersion)
{
    // what() is UTF-8, as every layer that throws for the report writes it.
    const QString message = QStringLiteral("Cannot open file /media/PSP/VIDEO/Übung 1.MP4");
    QObject::connect(button, &TsuiImageButton::clicked, [&] { throw std::runtime_error(message.toStdString()); });
    prompts.QueueConfirm(true);
    click();

    EXPECT_EQ(prompts.TextsOf(Kind::Confirm), QStringList{message + QStringLiteral("\n\n") + question()});
    ASSERT_EQ(opener.Opened().size(), 1);
    const QUrl mail = opener.Opened()[0];
    EXPECT_EQ(mail.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(mail.path(), QStringLiteral("support@example.org"));
    const QUrlQuery fields(mail);
    EXPECT_EQ(fields.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), DisplayProductName);
    const QString body = fields.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    EXPECT_EQ(body, QStringLiteral("There are some errors : ") + message + QStringLiteral("\nVersion : ") + g_s_Version);
    EXPECT_TRUE(body.contains(QStringLiteral("\nVersion :  1."))) << body.toStdString();  // the version's own blank

    // The window carries on: the next failure is reported the same way.
    click();
    EXPECT_EQ(prompts.TextsOf(Kind::Confirm).size(), 2);
    EXPECT_EQ(opener.Opened().size(), 1);
}

TEST_F(ErrorReportFromHandlers, NoOpensNothingWhereverTheErrorCameFrom)
{
    const struct {
        const char *name;
        std::function<void()> raise;
        QString question;
    } cases[] = {
        {"click, standard error", [] { throw std::runtime_error("Cannot create file /media/PSP/VIDEO/MAQ70001.THM"); },
         QStringLiteral("Cannot create file /media/PSP/VIDEO/MAQ70001.THM\n\n") + question()},
        {"click, anything else", [] { throw 42; }, question()},
    };
    for (const auto &c : cases) {
        prompts.ClearQuestions();
        const auto connection = QObject::connect(button, &TsuiImageButton::clicked, c.raise);
        click();
        QObject::disconnect(connection);
        EXPECT_EQ(prompts.TextsOf(Kind::Confirm), QStringList{c.question}) << c.name;
    }

    // A timer's handler is an event handler too.
    prompts.ClearQuestions();
    QTimer::singleShot(0, &window, [] { throw std::runtime_error("Unable to write to /x/Option.ini"); });
    QTest::qWait(50);
    EXPECT_EQ(prompts.TextsOf(Kind::Confirm), QStringList{QStringLiteral("Unable to write to /x/Option.ini\n\n") + question()});
    EXPECT_TRUE(opener.Opened().isEmpty());
}

} // namespace
