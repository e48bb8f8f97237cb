#include "ScriptedPrompts.h"

ScriptedPrompts::ScriptedPrompts()
    : previous_(Prompts::Installed())
{
    Prompts::Install(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::Install(previous_);
}

void ScriptedPrompts::QueueConfirm(bool yes)
{
    confirms_.enqueue(yes);
}

void ScriptedPrompts::QueueOpenFiles(const QStringList &files)
{
    openFiles_.enqueue(files);
}

void ScriptedPrompts::QueueSaveFile(const QString &path, int filterIndex)
{
    saveFiles_.enqueue({path, filterIndex});
}

void ScriptedPrompts::QueueFolder(const QString &folder)
{
    folders_.enqueue(folder);
}

QList<ScriptedPrompts::Question> ScriptedPrompts::QuestionsOf(Kind kind) const
{
    QList<Question> matching;
    for (const Question &question : questions_) {
        if (question.kind == kind)
            matching.append(question);
    }
    return matching;
}

QStringList ScriptedPrompts::TextsOf(Kind kind) const
{
    QStringList texts;
    for (const Question &question : QuestionsOf(kind))
        texts.append(question.text);
    return texts;
}

void ScriptedPrompts::Information(const QString &text)
{
    questions_.append({Kind::Information, text});
}

void ScriptedPrompts::Error(const QString &text)
{
    questions_.append({Kind::Error, text});
}

void ScriptedPrompts::Warning(const QString &text)
{
    questions_.append({Kind::Warning, text});
}

bool ScriptedPrompts::Confirm(const QString &text)
{
    questions_.append({Kind::Confirm, text});
    return !confirms_.isEmpty() && confirms_.dequeue();
}

QStringList ScriptedPrompts::OpenFiles(const QString &title, const QString &filter)
{
    questions_.append({Kind::OpenFiles, title, filter});
    return openFiles_.isEmpty() ? QStringList() : openFiles_.dequeue();
}

Prompts::SaveAnswer ScriptedPrompts::SaveFile(const QString &title, const QString &filter, int filterIndex)
{
    questions_.append({Kind::SaveFile, title, filter, filterIndex});
    if (saveFiles_.isEmpty())
        return {QString(), filterIndex};
    return saveFiles_.dequeue();
}

QString ScriptedPrompts::ChooseFolder(const QString &caption, const QString &startFolder)
{
    questions_.append({Kind::ChooseFolder, caption, {}, 0, startFolder});
    return folders_.isEmpty() ? QString() : folders_.dequeue();
}
