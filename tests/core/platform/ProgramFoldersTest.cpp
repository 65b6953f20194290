// The program folder, the user's folders and the order a stored name is looked up in.
#include "support/TestFiles.h"
#include "platform/AppError.h"
#include "platform/ProgramFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Folders {
    QTemporaryDir dir;
    QString Root() const { return QFileInfo(dir.path()).canonicalFilePath(); }
    ProgramFolders folders{Root() + QStringLiteral("/program"), TestHomes(Root())};
    QString InProgram(const QString& name, const QByteArray& bytes = "x") const
    {
        return WriteTestFile(folders.Program() + name, bytes);
    }
    QString InUser(const QString& name, const QByteArray& bytes = "x") const
    {
        return WriteTestFile(folders.User() + name, bytes);
    }
};

}  // namespace

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
        // A relative value is not a base directory: it is ignored.
        {{QStringLiteral("HOME=/home/u"), QStringLiteral("XDG_DATA_HOME=rel"), QStringLiteral("XDG_CONFIG_HOME=")},
         QStringLiteral("/home/u/.local/share"), QStringLiteral("/home/u/.config")},
    };
    for (const Row& row : rows) {
        QProcessEnvironment environment;
        for (const QString& pair : row.environment)
            environment.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        const UserHomes homes = UserHomesFrom(environment);
        EXPECT_EQ(homes.data, row.data) << row.environment.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(homes.config, row.config);
    }
    const ProgramFolders folders(QStringLiteral("/usr/share/varkit"), {QStringLiteral("/d"), QStringLiteral("/c")});
    EXPECT_EQ(folders.Program(), QStringLiteral("/usr/share/varkit/"));
    EXPECT_EQ(folders.User(), QStringLiteral("/d/varkit/"));
    EXPECT_EQ(folders.SettingsFile(), QStringLiteral("/c/varkit/varkit.ini"));
    EXPECT_EQ(folders.ShippedSettingsFile(), QStringLiteral("/usr/share/varkit/varkit.ini"));
    EXPECT_EQ(folders.WindowStateFile(), QStringLiteral("/c/varkit/window.ini"));
}

TEST(ProgramFolders, TheUsersFolderIsLookedInFirst)
{
    Folders f;
    const QString shipped = f.InProgram(QStringLiteral("templates/Start_Here.TPL"));
    EXPECT_EQ(f.folders.Find(QStringLiteral("templates\\start_here.tpl")), shipped);  // Windows form, any case
    const QString own = f.InUser(QStringLiteral("templates/Start_Here.TPL"));
    EXPECT_EQ(f.folders.Find(QStringLiteral("templates\\Start_Here.TPL")), own);
    EXPECT_EQ(f.folders.Candidates(QStringLiteral("a.gif")),
              (QStringList{f.folders.User() + QStringLiteral("a.gif"), f.folders.Program() + QStringLiteral("a.gif")}));

    EXPECT_TRUE(f.folders.Find(QStringLiteral("art\\none.gif")).isEmpty());
    EXPECT_TRUE(f.folders.Find(QString()).isEmpty());
    EXPECT_EQ(f.folders.FindOrUserPath(QStringLiteral("art\\none.gif")), f.folders.User() + QStringLiteral("art/none.gif"));
    EXPECT_EQ(f.folders.FindOrUserPath(QStringLiteral("templates\\Start_Here.TPL")), own);
}

TEST(ProgramFolders, SettingsAreReadFromTheShippedFileUntilTheUserHasOne)
{
    Folders f;
    EXPECT_EQ(f.folders.SettingsFileToRead(), f.folders.ShippedSettingsFile());
    f.InProgram(QStringLiteral("varkit.ini"), "[Custom]\r\nSplashLogo=brand.gif\r\n[Designer]\r\nName=Ann\r\n");

    // The first write starts the user's file as a copy of the shipped one; the shipped file stays.
    f.folders.PrepareSettingsFile();
    EXPECT_EQ(f.folders.SettingsFileToRead(), f.folders.SettingsFile());
    EXPECT_EQ(ReadTestFile(f.folders.SettingsFile()), ReadTestFile(f.folders.ShippedSettingsFile()));
    WriteTestFile(f.folders.SettingsFile(), "[Custom]\r\n");
    f.folders.PrepareSettingsFile();  // an existing file of the user's is never replaced
    EXPECT_EQ(ReadTestFile(f.folders.SettingsFile()), "[Custom]\r\n");
}

TEST(ProgramFolders, ASettingsFolderThatCannotBeMadeIsAnError)
{
    Folders f;
    WriteTestFile(f.Root() + QStringLiteral("/home/config"), "a file where the folder belongs");
    try {
        f.folders.PrepareSettingsFile();
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::PathNotFound);
    }
    // The user's VarKit folder is another folder: it can still be made.
    EXPECT_TRUE(f.folders.MakeUserFolder());
    EXPECT_TRUE(QFileInfo(f.folders.User()).isDir());
}
