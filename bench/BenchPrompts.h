#pragma once

#include "platform/Prompts.h"

#include <QStringList>

// The open dialog answers with the prepared files; messages are kept; nothing else is asked.
class BenchPrompts : public Prompts {
public:
    QStringList files;
    QStringList messages;
    void Information(const QString &text) override { messages << text; }
    void Error(const QString &text) override { messages << text; }
    void Warning(const QString &text) override { messages << text; }
    bool Confirm(const QString &) override { return false; }
    QStringList OpenFiles(const QString &, const QString &) override { return files; }
    SaveAnswer SaveFile(const QString &, const QString &, int) override { return {}; }
    QString ChooseFolder(const QString &, const QString &) override { return {}; }
};
