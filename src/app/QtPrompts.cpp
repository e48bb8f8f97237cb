#include "QtPrompts.h"

#include "platform/DialogFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

} // namespace

void QtPrompts::Information(const QString &text)
{
    QMessageBox::information(owner(), QApplication::applicationDisplayName(), text);
}

void QtPrompts::Error(const QString &text)
{
    QMessageBox::critical(owner(), QApplication::applicationDisplayName(), text);
}

void QtPrompts::Warning(const QString &text)
{
    QMessageBox::warning(owner(), QApplication::applicationDisplayName(), text);
}

bool QtPrompts::Confirm(const QString &text)
{
    return QMessageBox::question(owner(), QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

QStringList QtPrompts::OpenFiles(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileNames(owner(), title, QString(), QtNameFilters(filter).join(QStringLiteral(";;")));
}

Prompts::SaveAnswer QtPrompts::SaveFile(const QString &title, const QString &filter, int filterIndex)
{
    QFileDialog dialog(owner(), title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = QtNameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(filterIndex - 1));
    SaveAnswer answer;
    answer.filterIndex = filterIndex;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return answer;
    answer.path = dialog.selectedFiles().constFirst();
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    if (chosen >= 0)
        answer.filterIndex = int(chosen) + 1;
    return answer;
}

QString QtPrompts::ChooseFolder(const QString &caption, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(owner(), caption, startFolder, QFileDialog::ShowDirsOnly);
}
