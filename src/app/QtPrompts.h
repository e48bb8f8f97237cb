#pragma once

#include "platform/Prompts.h"

// The prompts as the user sees them: modal message boxes and the system's file and folder
// dialogs, over the active window.
class QtPrompts : public Prompts {
public:
    void Information(const QString &text) override;
    void Error(const QString &text) override;
    void Warning(const QString &text) override;
    bool Confirm(const QString &text) override;
    QStringList OpenFiles(const QString &title, const QString &filter) override;
    SaveAnswer SaveFile(const QString &title, const QString &filter, int filterIndex) override;
    QString ChooseFolder(const QString &caption, const QString &startFolder) override;
};
