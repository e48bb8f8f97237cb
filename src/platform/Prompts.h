#pragma once

#include <QString>
#include <QStringList>

// The questions and messages a window puts to the user. The real implementation shows modal
// message boxes and file dialogs; tests install a scripted one so that nothing ever blocks.
// Filters are given in the program's own form "description|mask;mask|..." (see DialogFilter.h);
// filter indexes count from 1 as the program's save dialog does.
class Prompts {
public:
    struct SaveAnswer {
        QString path;        // empty when cancelled
        int filterIndex = 1;
    };

    virtual ~Prompts() = default;

    virtual void Information(const QString &text) = 0;   // OK
    virtual void Error(const QString &text) = 0;         // OK
    virtual void Warning(const QString &text) = 0;       // OK: the user's input, not a fault
    virtual bool Confirm(const QString &text) = 0;       // Yes -> true, No -> false

    // Several existing files; empty when cancelled.
    virtual QStringList OpenFiles(const QString &title, const QString &filter) = 0;
    virtual SaveAnswer SaveFile(const QString &title, const QString &filter, int filterIndex) = 0;
    // A folder, or empty when cancelled. The chooser opens in `startFolder`, nothing selected.
    virtual QString ChooseFolder(const QString &caption, const QString &startFolder) = 0;

    // The process-wide prompts: main() installs the real one, tests a scripted one. Install
    // does not take ownership; Current() must not be called before something is installed.
    static Prompts &Current();
    static Prompts *Installed();  // nullptr when nothing is installed
    static void Install(Prompts *prompts);
};

// Where a folder chooser for `current` opens: there when it is an existing folder, else in the
// home folder.
QString FolderChooserStart(const QString &current);
