#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>

#include "platform/qt_file_dialogs.h"

namespace {

using platform::QtFileDialogs;

TEST(QtFileDialogs, SaveDialogOffersTheNameSuffixAndFilters)
{
    QString suffix;
    QStringList filters;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    bool confirmsOverwrite = false;
    QString offered;
    QtFileDialogs dialogs(nullptr, [&](QFileDialog& d) {
        suffix = d.defaultSuffix();
        filters = d.nameFilters();
        mode = d.acceptMode();
        confirmsOverwrite = !d.testOption(QFileDialog::DontConfirmOverwrite);
        offered = d.selectedFiles().value(0);
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(dialogs.GetSavePath("A_major", "html", "HTML Files (*.html *.htm);;All Files (*)"));
    EXPECT_EQ(suffix, "html");
    EXPECT_EQ(filters, (QStringList{"HTML Files (*.html *.htm)", "All Files (*)"}));
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
    EXPECT_TRUE(confirmsOverwrite);
    EXPECT_TRUE(offered.endsWith("/A_major.html")) << offered.toStdString();
}

TEST(QtFileDialogs, AcceptedPathIsReturnedAndItsFolderRemembered)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString chosen = QDir(dir.path()).filePath("page.html");
    QString startFolder;
    QtFileDialogs dialogs(nullptr, [&](QFileDialog& d) {
        startFolder = d.directory().absolutePath();
        d.selectFile(chosen);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(dialogs.GetSavePath("x", "html", "All Files (*)"), chosen.toStdString());
    EXPECT_EQ(dialogs.GetOpenPath("All Files (*)"), chosen.toStdString());
    EXPECT_EQ(startFolder, QDir(dir.path()).absolutePath());
}

}  // namespace
