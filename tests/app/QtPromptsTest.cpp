// The real file and folder dialogs, looked into while they are open: where the folder chooser
// opens and what it preselects, and which files the Add dialog's filter shows.
#include "QtPrompts.h"
#include "QtPrinting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `look` on the file dialog once it is open, then cancels it.
void WhenDialogOpens(std::function<void(QFileDialog &)> look)
{
    QTimer::singleShot(0, [look] {
        QFileDialog *dialog = nullptr;
        const bool opened = QTest::qWaitFor([&] {
            dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            return dialog && dialog->isVisible();
        }, 5000);
        if (!opened) {
            ADD_FAILURE() << "no file dialog opened";
            return;
        }
        look(*dialog);
        dialog->reject();
    });
}

void Touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// The names the dialog lists, once its folder has been read.
QStringList ListedNames(QFileDialog &dialog)
{
    auto *view = dialog.findChild<QAbstractItemView *>(QStringLiteral("listView"));
    if (!view || !view->model())
        return {};
    QStringList names;
    const bool read = QTest::qWaitFor([&] {
        const QModelIndex root = view->rootIndex();
        names.clear();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names << view->model()->index(row, 0, root).data().toString();
        return !names.isEmpty();
    }, 5000);
    if (!read)
        return {};
    names.sort();
    return names;
}

} // namespace

TEST(QtPromptsDialogs, TheFolderChooserOpensInTheGivenFolderWithNothingSelected)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString output = dir.path() + QStringLiteral("/PSP Output/");
    ASSERT_TRUE(QDir().mkpath(output + QStringLiteral("Older")));
    QString opensIn, preselected = QStringLiteral("unread");
    WhenDialogOpens([&](QFileDialog &dialog) {
        opensIn = dialog.directory().absolutePath();
        if (auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            preselected = name->text();
    });
    QtPrompts prompts;
    EXPECT_EQ(prompts.ChooseFolder(QStringLiteral("Please select Output Folder:"), output), QString());
    EXPECT_EQ(opensIn, QDir(output).absolutePath());
    EXPECT_EQ(preselected, QString());
}

TEST(QtPromptsDialogs, TheAddDialogsFilterShowsVideosWhateverTheirLetterCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"holiday.mkv", "PHONE.MP4", "film.avi", "notes.txt"})
        Touch(dir.filePath(QLatin1String(name)));
    const QString shippedFilter = QStringLiteral(
        "Video Files (*.avi;*.mp4;*.m4v;*.mkv;*.mov;*.wmv;*.mpg;*.mpeg;*.vob;*.flv;*.3gp;*.ts;*.webm)|*.avi;*.mp4;"
        "*.m4v;*.mkv;*.mov;*.wmv;*.mpg;*.mpeg;*.vob;*.flv;*.3gp;*.ts;*.webm|All Files (*.*)|*.*");
    QStringList listed, filters;
    WhenDialogOpens([&](QFileDialog &dialog) {
        dialog.setDirectory(dir.path());
        filters = dialog.nameFilters();
        listed = ListedNames(dialog);
    });
    QtPrompts prompts;
    EXPECT_TRUE(prompts.OpenFiles(QString(), shippedFilter).isEmpty());
    EXPECT_EQ(filters.value(0), QStringLiteral("Video Files (*.avi *.mp4 *.m4v *.mkv *.mov *.wmv *.mpg *.mpeg *.vob "
                                               "*.flv *.3gp *.ts *.webm)"));
    EXPECT_EQ(listed, (QStringList{"PHONE.MP4", "film.avi", "holiday.mkv"}));
}
