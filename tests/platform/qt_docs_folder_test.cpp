#include <gtest/gtest.h>

#include <QDir>
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
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    }
    void TearDown() override
    {
        qputenv("HOME", savedHome);
        if (hadConfig)
            qputenv("XDG_CONFIG_HOME", savedConfig);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    QTemporaryDir home;
    QByteArray savedHome, savedConfig;
    bool hadConfig = false;
};

TEST_F(QtDocsFolderTest, MissingFolderFails)
{
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
