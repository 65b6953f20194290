// The .tpl association on a freedesktop desktop, in temporary XDG folders.
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "platform/FreedesktopAssociation.h"
#include "platform/FreedesktopEntries.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kType = QStringLiteral("application/x-varkit-template");
const QString kOurs = QStringLiteral("VarKit.TPLfile.desktop");

struct Desktop {
    QTemporaryDir dir;
    UserHomes homes = TestHomes(dir.path());
    FreedesktopAssociation association{homes, false};
    ScriptedDialogs dialogs;
    AssociationEntry entry{QStringLiteral(".tpl"), QStringLiteral("/opt/Var Kit/bin/varkit"), QStringLiteral("VarKit.TPLfile"),
                           QStringLiteral("Varkit template"), dir.path() + QStringLiteral("/icons"), kType};
    QString Icon(const QString& home) const { return home + QStringLiteral("/48x48/mimetypes/application-x-varkit-template.png"); }

    Desktop() { WriteTestFile(Icon(entry.iconFolder), "png"); }
    bool Linked()
    {
        QString progId = entry.progId;
        association.QueryFileAssociation(entry, progId);
        return !progId.isEmpty();
    }
    QByteArray MimeApps() const { return ReadTestFile(association.MimeAppsFile(), QByteArray()); }
};

}  // namespace

TEST(FreedesktopEntries, TrimNullsAndTheExecArgument)
{
    const QChar nul(0);
    EXPECT_EQ(TrimNulls(QStringLiteral(" VarKit.TPLfile") + nul + nul), QStringLiteral("VarKit.TPLfile"));
    EXPECT_EQ(TrimNulls(QString(nul) + QStringLiteral(" x")), QStringLiteral(" x"));  // blanks are trimmed first

    // Quoted; " ` $ and \ escaped inside the quotes, then every \ once more; % doubled.
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/opt/Var Kit/varkit")), QStringLiteral(R"("/opt/Var Kit/varkit")"));
    EXPECT_EQ(DesktopExecArgument(QStringLiteral(R"(/a$b`c"d\e%f)")), QStringLiteral(R"("/a\\$b\\`c\\"d\\\\e%%f")"));
}

TEST(FreedesktopEntries, DefaultApplicationLinesAreEditedInPlace)
{
    const QString theirs = QStringLiteral("[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
                                          "text/html=firefox.desktop;\napplication/x-varkit-template=other.desktop;\n");
    struct Row {
        QString before;
        QString linked;
    } rows[] = {
        {QString(), QStringLiteral("[Default Applications]\napplication/x-varkit-template=VarKit.TPLfile.desktop;\n")},
        {theirs, QString(theirs).replace(QStringLiteral("=other"), QStringLiteral("=VarKit.TPLfile.desktop;other"))},
        {QStringLiteral("[Default Applications]\na/b=x.desktop;\n\n[Removed Associations]\n"),
         QStringLiteral("[Default Applications]\na/b=x.desktop;\napplication/x-varkit-template=VarKit.TPLfile.desktop;\n\n"
                        "[Removed Associations]\n")},
    };
    for (const Row& row : rows) {
        const QString linked = WithDefaultApplication(row.before, kType, kOurs);
        EXPECT_EQ(linked, row.linked);
        EXPECT_EQ(DefaultApplication(linked, kType), kOurs);
        EXPECT_EQ(WithDefaultApplication(linked, kType, kOurs), linked);  // twice is once
        if (!row.before.isEmpty()) {
            EXPECT_EQ(WithoutDefaultApplication(linked, kType, kOurs), row.before);
        }
    }
    EXPECT_EQ(WithoutDefaultApplication(theirs, kType, kOurs), theirs);  // not ours: left alone
}

TEST(FreedesktopAssociation, CreateThenRemoveOnlyWhatIsOurs)
{
    Desktop d;
    EXPECT_FALSE(d.Linked());
    d.association.CreateFileAssociation(d.entry, d.dialogs);
    EXPECT_TRUE(d.dialogs.boxes.isEmpty());
    EXPECT_TRUE(d.Linked());
    EXPECT_TRUE(ReadTestFile(d.association.DesktopFile(d.entry)).contains("\nExec=\"/opt/Var Kit/bin/varkit\" %f\n"));
    EXPECT_TRUE(ReadTestFile(d.association.MimePackageFile(d.entry)).contains("<glob pattern=\"*.tpl\"/>"));
    EXPECT_EQ(ReadTestFile(d.Icon(d.homes.data + QStringLiteral("/icons/hicolor"))), "png");

    // Another program's default counts as absent, and removing leaves it.
    const QByteArray theirs = "[Default Applications]\napplication/x-varkit-template=other.desktop;\n";
    WriteTestFile(d.association.MimeAppsFile(), theirs);
    EXPECT_FALSE(d.Linked());
    d.association.RemoveFileAssociation(d.entry);
    EXPECT_EQ(d.MimeApps(), theirs);
    EXPECT_FALSE(QFileInfo::exists(d.association.DesktopFile(d.entry)));
    EXPECT_FALSE(QFileInfo::exists(d.association.MimePackageFile(d.entry)));
    EXPECT_FALSE(QFileInfo::exists(d.Icon(d.homes.data + QStringLiteral("/icons/hicolor"))));

    // Creating replaces it; a default whose entry is gone counts as absent.
    d.association.CreateFileAssociation(d.entry, d.dialogs);
    EXPECT_TRUE(d.Linked());
    QFile::remove(d.association.DesktopFile(d.entry));
    EXPECT_FALSE(d.Linked());
}

TEST(FreedesktopAssociation, AFolderThatCannotBeMadeStopsAtTheFileThatCannotBeWritten)
{
    Desktop d;
    WriteTestFile(d.homes.data + QStringLiteral("/applications"), "a file where the folder belongs");
    d.association.CreateFileAssociation(d.entry, d.dialogs);
    EXPECT_EQ(d.dialogs.Texts(), (QStringList{QStringLiteral("Error: Creating Key!"), QStringLiteral("Error Setting String Value!")}));
    EXPECT_EQ(d.dialogs.boxes[0].title, QStringLiteral("VarKit"));
    EXPECT_FALSE(QFileInfo::exists(d.association.MimeAppsFile()));  // nothing after it is written
}

TEST(FreedesktopAssociation, TheMimeDatabaseLearnsTheType)
{
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    Desktop d;
    FreedesktopAssociation refreshing(d.homes);
    refreshing.CreateFileAssociation(d.entry, d.dialogs);
    EXPECT_TRUE(ReadTestFile(d.homes.data + QStringLiteral("/mime/globs2")).contains("application/x-varkit-template:*.tpl"));
    refreshing.RemoveFileAssociation(d.entry);
    EXPECT_FALSE(ReadTestFile(d.homes.data + QStringLiteral("/mime/globs2")).contains("varkit"));
}
