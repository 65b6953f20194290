// The .tpl association on a freedesktop desktop, in temporary XDG folders: the texts it writes,
// and query, create and remove over the files.
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "platform/FreedesktopAssociation.h"
#include "platform/FreedesktopEntries.h"

#include <QDir>
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
    AssociationEntry entry;

    Desktop()
    {
        entry = {QStringLiteral(".tpl"), QStringLiteral("/opt/Var Kit/bin/varkit"), QStringLiteral("VarKit.TPLfile"),
                 QStringLiteral("Varkit template"), dir.path() + QStringLiteral("/icons/hicolor"), kType};
        for (const char* size : {"16x16", "48x48"})
            WriteTestFile(entry.iconFolder + QLatin1Char('/') + QLatin1String(size)
                              + QStringLiteral("/mimetypes/application-x-varkit-template.png"),
                          QByteArray("png ") + size);
    }
    bool Linked()
    {
        QString progId = entry.progId;
        association.QueryFileAssociation(entry, progId);
        EXPECT_TRUE(progId.isEmpty() || progId == entry.progId);
        return !progId.isEmpty();
    }
    QByteArray MimeApps() const { return ReadTestFile(association.MimeAppsFile(), QByteArray()); }
    QString UserIcon(const char* size) const
    {
        return homes.data + QStringLiteral("/icons/hicolor/") + QLatin1String(size)
            + QStringLiteral("/mimetypes/application-x-varkit-template.png");
    }
};

}  // namespace

TEST(FreedesktopEntries, TrimNullsTrimsBlanksThenNuls)
{
    const QChar nul(0);
    EXPECT_EQ(TrimNulls(QStringLiteral("  VarKit.TPLfile ")), QStringLiteral("VarKit.TPLfile"));
    EXPECT_EQ(TrimNulls(QStringLiteral("VarKit.TPLfile") + nul + nul), QStringLiteral("VarKit.TPLfile"));
    EXPECT_EQ(TrimNulls(QString(nul) + QStringLiteral("x") + nul), QStringLiteral("x"));
    EXPECT_EQ(TrimNulls(QString(nul) + QStringLiteral(" x")), QStringLiteral(" x"));  // blanks are trimmed first
}

TEST(FreedesktopEntries, ExecArgumentQuotesAndEscapesThePath)
{
    struct Row {
        const char* path;
        const char* exec;
    } rows[] = {
        {"/usr/bin/varkit", R"("/usr/bin/varkit")"},
        {"/opt/Var Kit/varkit", R"("/opt/Var Kit/varkit")"},
        {"/opt/a$b`c/varkit", R"("/opt/a\\$b\\`c/varkit")"},
        {"/opt/say \"hi\"/varkit", R"("/opt/say \\"hi\\"/varkit")"},
        {"/opt/back\\slash/varkit", R"("/opt/back\\\\slash/varkit")"},
        {"/opt/100%/varkit", R"("/opt/100%%/varkit")"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DesktopExecArgument(QString::fromUtf8(row.path)), QString::fromUtf8(row.exec)) << row.path;
}

TEST(FreedesktopEntries, DefaultApplicationLinesAreEditedInPlace)
{
    const QString other = QStringLiteral("[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
                                         "text/html=firefox.desktop;\napplication/x-varkit-template=other.desktop;\n");
    struct Row {
        const char* what;
        QString before;
        QString withOurs;
        QString withoutOurs;
    } rows[] = {
        {"no file yet", QString(), QStringLiteral("[Default Applications]\napplication/x-varkit-template=VarKit.TPLfile.desktop;\n"),
         QStringLiteral("[Default Applications]\n")},
        {"another program's default", other,
         QString(other).replace(QStringLiteral("=other.desktop;"), QStringLiteral("=VarKit.TPLfile.desktop;other.desktop;")),
         other},
        {"a section without the type",
         QStringLiteral("[Default Applications]\ntext/html=firefox.desktop;\n\n[Removed Associations]\n"),
         QStringLiteral("[Default Applications]\ntext/html=firefox.desktop;\napplication/x-varkit-template=VarKit.TPLfile.desktop;\n"
                        "\n[Removed Associations]\n"),
         QStringLiteral("[Default Applications]\ntext/html=firefox.desktop;\n\n[Removed Associations]\n")},
    };
    for (const Row& row : rows) {
        const QString linked = WithDefaultApplication(row.before, kType, kOurs);
        EXPECT_EQ(linked, row.withOurs) << row.what;
        EXPECT_EQ(DefaultApplication(linked, kType), kOurs) << row.what;
        EXPECT_EQ(WithDefaultApplication(linked, kType, kOurs), linked) << row.what;  // twice is once
        EXPECT_EQ(WithoutDefaultApplication(linked, kType, kOurs), row.withoutOurs) << row.what;
    }
    EXPECT_EQ(DefaultApplication(other, kType), QStringLiteral("other.desktop"));
    EXPECT_EQ(WithoutDefaultApplication(other, kType, kOurs), other);  // not ours: left alone
}

TEST(FreedesktopAssociation, QueryCreateQueryRemove)
{
    Desktop d;
    EXPECT_FALSE(d.Linked());
    d.association.CreateFileAssociation(d.entry, d.dialogs);
    EXPECT_TRUE(d.dialogs.boxes.isEmpty());
    EXPECT_TRUE(d.Linked());

    const QString desktop = QString::fromUtf8(ReadTestFile(d.association.DesktopFile(d.entry)));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=\"/opt/Var Kit/bin/varkit\" %f\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nMimeType=application/x-varkit-template;\n")));
    const QString package = QString::fromUtf8(ReadTestFile(d.association.MimePackageFile(d.entry)));
    EXPECT_TRUE(package.contains(QStringLiteral("<mime-type type=\"application/x-varkit-template\">")));
    EXPECT_TRUE(package.contains(QStringLiteral("<comment>Varkit template</comment>")));
    EXPECT_TRUE(package.contains(QStringLiteral("<glob pattern=\"*.tpl\"/>")));  // globs match in any case
    EXPECT_EQ(ReadTestFile(d.UserIcon("48x48")), "png 48x48");
    EXPECT_EQ(ReadTestFile(d.UserIcon("16x16")), "png 16x16");

    d.association.RemoveFileAssociation(d.entry);
    EXPECT_FALSE(d.Linked());
    EXPECT_FALSE(QFileInfo::exists(d.association.DesktopFile(d.entry)));
    EXPECT_FALSE(QFileInfo::exists(d.association.MimePackageFile(d.entry)));
    EXPECT_FALSE(QFileInfo::exists(d.UserIcon("48x48")));
    EXPECT_FALSE(d.MimeApps().contains("VarKit.TPLfile"));
}

TEST(FreedesktopAssociation, AnotherProgramsDefaultCountsAsAbsentAndRemovalKeepsIt)
{
    Desktop d;
    d.association.CreateFileAssociation(d.entry, d.dialogs);
    const QByteArray theirs = "[Default Applications]\napplication/x-varkit-template=other.desktop;\ntext/html=web.desktop;\n";
    WriteTestFile(d.association.MimeAppsFile(), theirs);
    EXPECT_FALSE(d.Linked());  // our entry exists, but the default is another program's

    d.association.RemoveFileAssociation(d.entry);
    EXPECT_EQ(d.MimeApps(), theirs);  // only what is ours goes

    d.association.CreateFileAssociation(d.entry, d.dialogs);  // creating replaces it
    EXPECT_TRUE(d.Linked());
    EXPECT_TRUE(d.MimeApps().contains("\ntext/html=web.desktop;\n"));

    QFile::remove(d.association.DesktopFile(d.entry));
    EXPECT_FALSE(d.Linked());  // named as default, but the entry is gone
}

TEST(FreedesktopAssociation, AFolderThatCannotBeMadeStopsAtTheFirstFileThatCannotBeWritten)
{
    Desktop d;
    WriteTestFile(d.homes.data + QStringLiteral("/applications"), "a file where the folder belongs");
    d.association.CreateFileAssociation(d.entry, d.dialogs);
    EXPECT_EQ(d.dialogs.Texts(), (QStringList{QStringLiteral("Error: Creating Key!"), QStringLiteral("Error Setting String Value!")}));
    EXPECT_EQ(d.dialogs.boxes[0].title, QStringLiteral("VarKit"));
    EXPECT_TRUE(QFileInfo::exists(d.association.MimePackageFile(d.entry)));  // the steps before it stand
    EXPECT_FALSE(QFileInfo::exists(d.association.MimeAppsFile()));          // nothing after it is written
    EXPECT_FALSE(d.Linked());
}

TEST(FreedesktopAssociation, TheMimeDatabaseLearnsTheType)
{
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    Desktop d;
    FreedesktopAssociation refreshing(d.homes);
    refreshing.CreateFileAssociation(d.entry, d.dialogs);
    EXPECT_TRUE(ReadTestFile(d.homes.data + QStringLiteral("/mime/globs2"), QByteArray())
                    .contains("application/x-varkit-template:*.tpl"));
    refreshing.RemoveFileAssociation(d.entry);
    EXPECT_FALSE(ReadTestFile(d.homes.data + QStringLiteral("/mime/globs2"), QByteArray()).contains("varkit"));
}
