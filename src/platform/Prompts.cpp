#include "Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>
#include <atomic>

namespace {
std::atomic<Prompts *> installed{nullptr};
}

Prompts &Prompts::Current()
{
    Prompts *prompts = installed.load();
    Q_ASSERT_X(prompts, "Prompts::Current", "no prompts installed");
    return *prompts;
}

Prompts *Prompts::Installed()
{
    return installed.load();
}

void Prompts::Install(Prompts *prompts)
{
    installed.store(prompts);
}

QString FolderChooserStart(const QString &current)
{
    return !current.isEmpty() && QFileInfo(current).isDir() ? current : QDir::homePath();
}
