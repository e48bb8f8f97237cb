#pragma once

#include "../../src/platform/Prompts.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

// Prompts for tests: answers come from queues the test fills, every question is recorded, and
// nothing blocks. An unanswered question gets the "cancel" answer (No, no files, no folder).
// While it lives it is the installed Prompts::Current(); the previous one comes back after.
class ScriptedPrompts : public Prompts {
public:
    enum class Kind { Information, Error, Warning, Confirm, OpenFiles, SaveFile, ChooseFolder };

    struct Question {
        Kind kind;
        QString text;        // message text, dialog title or folder caption
        QString filter;      // file dialogs only
        int filterIndex = 0; // SaveFile only: the index the dialog was opened with
        QString startFolder; // ChooseFolder only
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;

    void QueueConfirm(bool yes);
    void QueueOpenFiles(const QStringList &files);
    void QueueSaveFile(const QString &path, int filterIndex);
    void QueueFolder(const QString &folder);

    const QList<Question> &Questions() const { return questions_; }
    QList<Question> QuestionsOf(Kind kind) const;
    QStringList TextsOf(Kind kind) const;
    void ClearQuestions() { questions_.clear(); }

    void Information(const QString &text) override;
    void Error(const QString &text) override;
    void Warning(const QString &text) override;
    bool Confirm(const QString &text) override;
    QStringList OpenFiles(const QString &title, const QString &filter) override;
    SaveAnswer SaveFile(const QString &title, const QString &filter, int filterIndex) override;
    QString ChooseFolder(const QString &caption, const QString &startFolder) override;

private:
    Prompts *previous_;
    QList<Question> questions_;
    QQueue<bool> confirms_;
    QQueue<QStringList> openFiles_;
    QQueue<SaveAnswer> saveFiles_;
    QQueue<QString> folders_;
};
