#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/qt_docs_folder.h"

namespace {

// Points the home and the XDG configuration at a temporary folder, so the
// lookup never sees the real account.
struct QtDocsFolderTest : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        savedHome = qgetenv("HOME");
        savedConfig = qgetenv("XDG_CONFIG_HOME");
        hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        savedData = qgetenv("XDG_DATA_HOME");
        hadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral(".local/share"))));
    }
    void TearDown() override
    {
        qputenv("HOME", savedHome);
        if (hadConfig)
            qputenv("XDG_CONFIG_HOME", savedConfig);
        else
            qunsetenv("XDG_CONFIG_HOME");
        if (hadData)
            qputenv("XDG_DATA_HOME", savedData);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    // Names the documents folder in the desktop's settings.
    void SetDocumentsDir(const char* value)
    {
        ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral(".config")));
        QFile dirs(home.filePath(QStringLiteral(".config/user-dirs.dirs")));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write(QByteArray("XDG_DOCUMENTS_DIR=\"") + value + "\"\n");
    }

    // A regular file where a folder would have to be made.
    void PutFile(const char* name)
    {
        QFile file(home.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir home;
    QByteArray savedHome, savedConfig, savedData;
    bool hadConfig = false, hadData = false;
};

// A home without the folder: made, so the User Directory does not land in
// whatever folder the program was started from.
TEST_F(QtDocsFolderTest, MissingFolderIsMade)
{
    EXPECT_EQ(platform::QtDocsFolder().DocumentsFolder(), home.filePath(QStringLiteral("Documents")).toStdString());
    EXPECT_TRUE(QFileInfo(home.filePath(QStringLiteral("Documents"))).isDir());
}

// Only when the documents folder cannot be made does the file go to the
// application's data folder, and nowhere when neither can be made.
TEST_F(QtDocsFolderTest, AFolderThatCannotBeMadeFallsBackToTheDataFolder)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    ASSERT_TRUE(data.startsWith(home.filePath(QStringLiteral(".local/share/"))));
    PutFile("blocked");
    SetDocumentsDir("$HOME/blocked/Documents");
    EXPECT_EQ(platform::QtDocsFolder().DocumentsFolder(), data.toStdString());
    EXPECT_TRUE(QFileInfo(data).isDir());

    // A file where the folder itself goes is no folder either.
    SetDocumentsDir("$HOME/blocked");
    EXPECT_EQ(platform::QtDocsFolder().DocumentsFolder(), data.toStdString());

    QDir(home.filePath(QStringLiteral(".local"))).removeRecursively();
    PutFile(".local");
    EXPECT_EQ(platform::QtDocsFolder().DocumentsFolder(), std::nullopt);
}

TEST_F(QtDocsFolderTest, ExistingFolderIsReturned)
{
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Documents")));
    EXPECT_EQ(platform::QtDocsFolder().DocumentsFolder(), home.filePath(QStringLiteral("Documents")).toStdString());
}

TEST_F(QtDocsFolderTest, DesktopSettingNamesTheFolder)
{
    QDir dir(home.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral(".config")));
    ASSERT_TRUE(dir.mkpath(QStringLiteral("Dokumente")));
    QFile dirs(home.filePath(QStringLiteral(".config/user-dirs.dirs")));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    dirs.close();
    EXPECT_EQ(platform::QtDocsFolder().DocumentsFolder(), home.filePath(QStringLiteral("Dokumente")).toStdString());
}

}  // namespace
