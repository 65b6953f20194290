// The program installed into a prefix of its own: everything the desktop needs is in place, and
// the installed program finds its program folder from anywhere and writes nothing there.
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList FilesBelow(const QString& folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next();
    files.sort();
    return files;
}

}  // namespace

TEST(Install, TheInstalledProgramRunsFromItsPrefix)
{
    QTemporaryDir dir;
    const QString prefix = dir.path() + QStringLiteral("/prefix");
    const ProgramRun install = RunProgram(QStringLiteral(VARKIT_CMAKE_COMMAND),
                                          {QStringLiteral("--install"), QStringLiteral(VARKIT_BUILD_DIR), QStringLiteral("--prefix"), prefix},
                                          QProcessEnvironment::systemEnvironment());
    ASSERT_EQ(install.exitCode, 0) << install.err.constData();
    for (const char* installed :
         {"bin/varkit", "bin/varkit-window", "share/varkit/varkit.ini", "share/varkit/templates/Start_Here.TPL", "share/varkit/VarkitHelp.htm",
          "share/applications/varkit.desktop", "share/mime/packages/varkit.xml", "share/icons/hicolor/16x16/apps/varkit.png",
          "share/icons/hicolor/256x256/mimetypes/application-x-varkit-template.png",
          "share/metainfo/org.varkit.varkit.metainfo.xml", "share/man/man1/varkit.1", "share/doc/varkit/LICENSE"})
        EXPECT_TRUE(QFileInfo(prefix + QLatin1Char('/') + QLatin1String(installed)).isFile()) << installed;

    // Run with a home of its own and no XDG folders named: the user's folders go below HOME.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("HOME"), dir.path() + QStringLiteral("/home"));
    const QStringList before = FilesBelow(prefix);
    const QString out = dir.path() + QStringLiteral("/listing.htm");
    const ProgramRun run = RunProgram(prefix + QStringLiteral("/bin/varkit"),
                                      {QStringLiteral("--export"), out, prefix + QStringLiteral("/share/varkit/templates/Start_Here.TPL"),
                                       QStringLiteral("--set"), QStringLiteral("Listing title=Oak Bookshelf")},
                                      environment);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QByteArray html = ReadTestFile(out);
    EXPECT_TRUE(html.contains("Oak Bookshelf"));
    EXPECT_FALSE(html.contains("[VarKit"));
    EXPECT_TRUE(html.contains("<!-- [ VarKit assisted ] -->"));
    EXPECT_TRUE(html.contains("Combined shipping is offered"));  // the included footer
    EXPECT_EQ(FilesBelow(prefix), before);  // the program folder is only read

    // The command line hands the window to the program installed beside it.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    const ProgramRun window = RunProgram(prefix + QStringLiteral("/bin/varkit"), {}, environment);
    EXPECT_EQ(window.exitCode, 2);
    EXPECT_TRUE(window.err.contains("graphical session")) << window.err.constData();
}
