#include "LogCapture.h"
#include "RecordingUrlOpener.h"
#include "core/AppGlobals.h"
#include "core/ErrorReport.h"

#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

QString decoded(const QUrl &url, const QString &key)
{
    return QUrlQuery(url).queryItemValue(key, QUrl::FullyDecoded);
}

// Whatever a message holds reaches the mail program as it was: no blank or line break breaks the
// URL, and no "&", "#", "%" or "+" in it makes a field of its own or changes the text.
TEST(SupportMail, SubjectAndBodyArriveIntactWhateverTheyHold)
{
    const QString bodies[] = {
        "There are some errors : Cannot open file /media/PSP/VIDEO/MAQ70001.MP4\nVersion : " + g_s_Version,
        QStringLiteral("Unable to write to /home/me/.config/PocketReel/Option.ini\r\n\ttabbed"),
        QStringLiteral("a&body=forged&cc=someone@example.com#fragment"),
        QStringLiteral("100% + 50% = 150%;?/"),
        QStringLiteral("Übergröße — 日本語 😀"),
    };
    for (const QString &body : bodies) {
        const QUrl url = SupportMailUrl(body);
        ASSERT_TRUE(url.isValid()) << body.toStdString();
        const QByteArray encoded = url.toEncoded();
        EXPECT_TRUE(encoded.startsWith("mailto:support@example.org?subject=")) << encoded.constData();
        for (char raw : {' ', '\n', '\r', '\t', '#'})
            EXPECT_FALSE(encoded.contains(raw)) << encoded.constData();
        EXPECT_EQ(QUrlQuery(url).queryItems().size(), 2) << encoded.constData();
        EXPECT_EQ(decoded(url, "subject"), DisplayProductName);
        EXPECT_EQ(decoded(url, "body"), body);
    }
}

TEST(SupportMail, AnEmptyBodyLeavesTheSubjectAlone)
{
    const QUrl url = SupportMailUrl(QString());
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(), QStringLiteral("support@example.org"));
    EXPECT_FALSE(url.toEncoded().contains("body"));
    EXPECT_EQ(QUrlQuery(url).queryItems(QUrl::FullyDecoded),
              (QList<std::pair<QString, QString>>{{QStringLiteral("subject"), DisplayProductName}}));
}

// Before the prompts exist (an error while the program starts), the error still leaves a trace.
TEST(ErrorReport, WithoutPromptsTheErrorIsLoggedAndNothingOpens)
{
    RecordingUrlOpener opener;
    LogCapture log;
    ReportError(QStringLiteral("Cannot create file /x/y.THM"));
    EXPECT_TRUE(opener.Opened().isEmpty());
    ASSERT_EQ(log.Entries().size(), 1);
    EXPECT_EQ(log.Entries()[0].type, QtWarningMsg);
    EXPECT_TRUE(log.Entries()[0].message.contains(QStringLiteral("Cannot create file /x/y.THM")));
}

} // namespace
