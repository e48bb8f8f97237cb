#pragma once

#include "ScriptedPrompts.h"

#include "core/AppGlobals.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <TsuiComboBox.h>
#include <gtest/gtest.h>

// An application folder with the shipped definition and profile store, a home folder of its own
// and scripted prompts, for the windows that read them.
class AppFolderFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("app")));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("home")));
        previousHome_ = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home()));
        path_PNG = app();
        g_s_OutputFolder.clear();
        i_OutputPSPSerialNumber = 1;
        for (const char *name : {"PfDef.dll", "PfSetting.ini"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name),
                                    app() + QLatin1String(name)));
    }

    void TearDown() override { qputenv("HOME", previousHome_); }

    QString app() const { return dir.path() + QStringLiteral("/app/"); }
    QString home() const { return dir.path() + QStringLiteral("/home"); }

    void write(const QString &name, const QByteArray &text)
    {
        QFile file(app() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QByteArray read(const QString &name) const
    {
        QFile file(app() + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Steps to an entry with the arrow keys as a user does; each step raises the list's OnChange.
    static void pick(TsuiComboBox *list, int position)
    {
        while (list->currentIndex() < position)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > position)
            QTest::keyClick(list, Qt::Key_Up);
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;

private:
    QByteArray previousHome_;
};
