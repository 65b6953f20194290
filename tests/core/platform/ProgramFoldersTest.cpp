// The program folder, the user's folders and the order a stored name is looked up in.
#include "platform/DiskFileOps.h"
#include "support/TestFiles.h"
#include "platform/AppError.h"
#include "platform/ProgramFolders.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFolders, UserHomesFollowTheBaseDirectoryRules)
{
    struct Row {
        QStringList environment;
        QString data;
        QString config;
    } rows[] = {
        {{QStringLiteral("HOME=/home/u")}, QStringLiteral("/home/u/.local/share"), QStringLiteral("/home/u/.config")},
        {{QStringLiteral("HOME=/home/u"), QStringLiteral("XDG_DATA_HOME=/d"), QStringLiteral("XDG_CONFIG_HOME=/c/")},
         QStringLiteral("/d"), QStringLiteral("/c")},
        // A relative value is no base directory: it is ignored.
        {{QStringLiteral("HOME=/home/u"), QStringLiteral("XDG_DATA_HOME=rel")}, QStringLiteral("/home/u/.local/share"),
         QStringLiteral("/home/u/.config")},
    };
    for (const Row& row : rows) {
        QProcessEnvironment environment;
        for (const QString& pair : row.environment)
            environment.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        const UserHomes homes = UserHomesFrom(environment);
        EXPECT_EQ(homes.data, row.data);
        EXPECT_EQ(homes.config, row.config);
    }
    const ProgramFolders folders(QStringLiteral("/usr/share/varkit"), {QStringLiteral("/d"), QStringLiteral("/c")});
    EXPECT_EQ(folders.User(), QStringLiteral("/d/varkit/"));
    EXPECT_EQ(folders.SettingsFile(), QStringLiteral("/c/varkit/varkit.ini"));
    EXPECT_EQ(folders.ShippedSettingsFile(), QStringLiteral("/usr/share/varkit/varkit.ini"));
}

TEST(ProgramFolders, TheUsersFolderIsLookedInFirst)
{
    QTemporaryDir dir;
    const ProgramFolders folders(dir.path() + QStringLiteral("/program"), TestHomes(dir.path()));
    const QString shipped = WriteTestFile(folders.Program() + QStringLiteral("templates/Start_Here.TPL"), "x");
    EXPECT_EQ(folders.Find(QStringLiteral("templates\\start_here.tpl")), shipped);  // Windows form, any case
    const QString own = WriteTestFile(folders.User() + QStringLiteral("templates/Start_Here.TPL"), "x");
    EXPECT_EQ(folders.Find(QStringLiteral("templates\\Start_Here.TPL")), own);
    EXPECT_TRUE(folders.Find(QStringLiteral("art\\none.gif")).isEmpty());
    EXPECT_EQ(folders.FindOrUserPath(QStringLiteral("art\\none.gif")), folders.User() + QStringLiteral("art/none.gif"));
}

TEST(ProgramFolders, SettingsAreReadFromTheShippedFileUntilTheFirstWriteCopiesIt)
{
    QTemporaryDir dir;
    const ProgramFolders folders(dir.path() + QStringLiteral("/program"), TestHomes(dir.path()));
    DiskFileOps files;
    WriteTestFile(folders.ShippedSettingsFile(), "[Custom]\r\nSplashLogo=brand.gif\r\n[Designer]\r\nName=Ann\r\n");
    EXPECT_EQ(folders.SettingsFileToRead(), folders.ShippedSettingsFile());
    folders.PrepareSettingsFile(files);
    EXPECT_EQ(folders.SettingsFileToRead(), folders.SettingsFile());
    EXPECT_EQ(ReadTestFile(folders.SettingsFile()), ReadTestFile(folders.ShippedSettingsFile()));
    WriteTestFile(folders.SettingsFile(), "[Custom]\r\n");
    folders.PrepareSettingsFile(files);  // the user's own file is never replaced
    EXPECT_EQ(ReadTestFile(folders.SettingsFile()), "[Custom]\r\n");

    WriteTestFile(dir.path() + QStringLiteral("/blocked"), "a file where the folder belongs");
    const ProgramFolders blocked(folders.Program(), {dir.path(), dir.path() + QStringLiteral("/blocked")});
    EXPECT_THROW(blocked.PrepareSettingsFile(files), AppError);
}
