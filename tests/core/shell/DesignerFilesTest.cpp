// Installation templates in a temporary program folder: the designer's files come from a
// folder of their own beside it, and land in the user's VarKit folder below home/data.
#include "platform/DiskFileOps.h"
#include "shell/DesignerFiles.h"
#include "shell/FormState.h"
#include "shell/HeadlessSession.h"
#include "shell/ScreenTag.h"
#include "support/FormFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct Installation : FormFixture {
    QString Designer() const { return folder() + QStringLiteral("designer/"); }
    QString User() { return form().folders.User(); }
    QString Put(const QString& name, const QByteArray& bytes = "x") const { return WriteTestFile(Designer() + name, bytes); }
    void Install(const QByteArray& tags, MsgAnswer answer = MsgAnswer::Yes)
    {
        dialogs().answers.push_back(answer);
        Import("<p>" + tags + "</p>", QStringLiteral("designer/install.tpl"));
    }
    InstallationFile Here() const { return InstallationFileOf(Designer() + QStringLiteral("install.tpl")); }
    void Run(const QString& command, QString argument) { RunActionFile(form(), Here(), command, argument); }
    bool InUser(const QString& name) { return QFileInfo::exists(User() + name); }
};

const QString kContactIntro = QStringLiteral("\r\n\r\nYou may wish to contact your designer:\r\n  ");

TEST(DesignerFiles, AllSixCommandsInstallInOrderAndTheTemplateRemovesItself)
{
    Installation f;
    f.Put(QStringLiteral("images/logo.gif"), "GIF89a");
    f.Put(QStringLiteral("images/sub/more.gif"));
    f.Put(QStringLiteral("docs/deep/guide.htm"), "<p>guide</p>");
    f.Put(QStringLiteral("designer.ini"), "[Custom]\r\nSplashLogo=images\\logo.gif\r\nPreventMarkup=True\r\n"
                                          "HelpMenu1=Shop\r\nHelpLink1=shop.htm\r\nHelpMenu2=Lamps by Jo\r\n");
    f.Install("[VarKit$$designer=Jo  jo@example.com][VarKit$$folder=images][VarKit$$file=docs\\deep\\guide.htm]"
              "[VarKit$$ini=designer.ini][VarKit$$message=Welcome aboard][VarKit$$killme=bye][VarKit$$file=late.txt]");

    ASSERT_GE(f.dialogs().boxes.size(), 2);
    const RecordedBox& question = f.dialogs().boxes[0];
    EXPECT_EQ(question.title, QStringLiteral("Installation Template"));
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    for (const char* step : {"copy the folder \"images\"", "copy the file \"docs\\deep\\guide.htm\"",
                             "install the settings file \"designer.ini\"", "show a message", "delete itself"})
        EXPECT_TRUE(question.text.contains(QLatin1String(step))) << step;
    EXPECT_FALSE(question.text.contains(QLatin1String("late.txt")));  // never runs: it stands after $killme
    EXPECT_EQ(f.dialogs().boxes[1].title, QStringLiteral("Installation Message"));
    EXPECT_EQ(f.dialogs().boxes[1].text, QStringLiteral("Welcome aboard"));
    EXPECT_EQ(f.dialogs().boxes.last().kind, QStringLiteral("file"));  // no start-up template: File > Open follows

    EXPECT_EQ(ReadTestFile(f.User() + QStringLiteral("images/logo.gif")), QByteArray("GIF89a"));
    EXPECT_TRUE(f.InUser(QStringLiteral("images/sub/more.gif")));
    EXPECT_EQ(ReadTestFile(f.User() + QStringLiteral("docs/deep/guide.htm")), QByteArray("<p>guide</p>"));
    EXPECT_FALSE(f.InUser(QStringLiteral("late.txt")));

    EXPECT_TRUE(f.form().MarkupLocked);
    EXPECT_EQ(f.form().SplashLogo, QStringLiteral("images\\logo.gif"));
    EXPECT_EQ(f.form().WindowCaption, QStringLiteral(" VarKit - Lamps by Jo"));
    EXPECT_EQ(f.form().MenuHelpFile.back().tag, QStringLiteral("shop.htm"));
    const QByteArray written = ReadTestFile(f.form().folders.SettingsFile());
    EXPECT_TRUE(written.contains("PreventMarkup=True")) << written.constData();
    EXPECT_TRUE(written.contains("SplashLogo=images\\logo.gif"));

    EXPECT_FALSE(QFileInfo::exists(f.Designer() + QStringLiteral("install.tpl")));
    EXPECT_TRUE(f.form().FileName.text.isEmpty());
    EXPECT_TRUE(f.form().MarkupText.Text().isEmpty());
    EXPECT_EQ(f.screen().FieldCount(), 1);  // the hidden pattern row only
    EXPECT_FALSE(f.form().TemplateChanged);
    EXPECT_EQ(f.form().DesignerContact, QStringLiteral("Jo  jo@example.com"));
}

TEST(DesignerFiles, MissingSourcesNameTheDesignerOnceOneIsKnownAcrossImports)
{
    Installation f;
    f.Install("[VarKit$$folder=images]");
    ASSERT_EQ(f.dialogs().CountTitled(QStringLiteral("Copy Error")), 1);
    EXPECT_EQ(f.dialogs().boxes[1].text, QStringLiteral("Could not find the folder called   \"images\"\r\nto copy to the VarKit directory.")
                                             + kContactIntro);
    EXPECT_EQ(f.dialogs().boxes[1].icon, MsgIcon::Exclamation);

    f.dialogs().boxes.clear();
    f.Install("[VarKit$$designer=Jo at shop]");
    f.Install("[VarKit$$file=logo.gif][VarKit$$folder=logo.gif]");
    const QStringList texts = f.dialogs().Texts().filter(QStringLiteral("Could not find"));
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("Could not find the file called \r\n\"logo.gif\"\r\nto copy to the VarKit directory.")
                            + kContactIntro + QStringLiteral("Jo at shop"));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("Could not find the folder called   \"logo.gif\"")));  // not a folder
}

TEST(DesignerFiles, CommandsAreKnownInAnyCaseAndWithBlanksAround)
{
    Installation f;
    f.Put(QStringLiteral("a.txt"));
    f.Put(QStringLiteral("b.txt"));
    f.Put(QStringLiteral("pics/c.gif"));
    f.Install("[VarKit$ $FILE = a.txt ][VarKit$$Folder=pics]");
    f.Run(QStringLiteral("  $fIlE  "), QStringLiteral("b.txt"));
    EXPECT_TRUE(f.InUser(QStringLiteral("a.txt")));
    EXPECT_TRUE(f.InUser(QStringLiteral("b.txt")));
    EXPECT_TRUE(f.InUser(QStringLiteral("pics/c.gif")));
    EXPECT_EQ(f.dialogs().CountTitled(QStringLiteral("Copy Error")), 0);

    const qsizetype boxes = f.dialogs().boxes.size();
    f.Run(QStringLiteral("$message"), QString());  // an empty message shows nothing
    f.Run(QStringLiteral("$unknown"), QStringLiteral("a.txt"));
    EXPECT_EQ(f.dialogs().boxes.size(), boxes);
}

TEST(DesignerFiles, EveryDestinationOutsideTheVarKitFolderIsRefused)
{
    struct Row {
        const char* argument;
        const char* reason;
    };
    const Row rows[] = {
        {"C:\\evil.txt", "a drive letter is not allowed"},
        {"/OUTSIDE/evil.txt", "an absolute path is not allowed"},
        {"\\evil.txt", "a leading separator is not allowed"},
        {"images\\..\\..\\evil.txt", "the path leaves the installation template's folder"},
        {"VARKIT.INI", "the name belongs to one of VarKit's own files"},
        {"linked\\evil.txt", "a symbolic link leads out of the VarKit folder"},
        {"", "no name is given"},
    };
    for (const Row& row : rows) {
        Installation f;
        const QString outside = f.folder() + QStringLiteral("outside/");
        const QString argument = QString::fromLatin1(row.argument).replace(QStringLiteral("/OUTSIDE/"), outside);
        f.Put(QStringLiteral("VARKIT.INI"));
        f.Put(QStringLiteral("linked/evil.txt"), "bad");
        WriteTestFile(outside + QStringLiteral("evil.txt"), "kept");
        QDir().mkpath(f.User());
        QFile::link(outside, f.User() + QStringLiteral("linked"));

        f.Run(QStringLiteral("$file"), argument);
        ASSERT_EQ(f.dialogs().boxes.size(), 1) << row.argument;
        EXPECT_EQ(f.dialogs().boxes[0].title, QStringLiteral("Copy Error"));
        EXPECT_EQ(f.dialogs().boxes[0].text, QStringLiteral("Could not copy \r\n\"") + argument
                      + QStringLiteral("\"\r\nto the VarKit directory: ") + QLatin1String(row.reason) + QLatin1Char('.') + kContactIntro)
            << row.argument;
        EXPECT_EQ(ReadTestFile(outside + QStringLiteral("evil.txt")), QByteArray("kept")) << row.argument;
        EXPECT_FALSE(f.InUser(QStringLiteral("varkit.ini"))) << row.argument;
    }
}

TEST(DesignerFiles, SourcesStayInTheTemplatesFolderAndLinksOutAreNotFollowed)
{
    Installation f;
    WriteTestFile(f.folder() + QStringLiteral("private/secret.txt"), "secret");
    f.Put(QStringLiteral("pics/a.gif"));
    QFile::link(f.folder() + QStringLiteral("private/secret.txt"), f.Designer() + QStringLiteral("pics/secret.txt"));
    QFile::link(f.folder() + QStringLiteral("private"), f.Designer() + QStringLiteral("away"));
    QFile::link(f.Designer() + QStringLiteral("pics"), f.Designer() + QStringLiteral("pics/loop"));

    f.Run(QStringLiteral("$folder"), QStringLiteral("pics"));
    EXPECT_TRUE(f.InUser(QStringLiteral("pics/a.gif")));
    EXPECT_FALSE(f.InUser(QStringLiteral("pics/secret.txt")));
    EXPECT_FALSE(f.InUser(QStringLiteral("pics/loop/loop")));

    f.Run(QStringLiteral("$folder"), QStringLiteral("away"));
    f.Run(QStringLiteral("$file"), QStringLiteral("..\\private\\secret.txt"));
    const QStringList texts = f.dialogs().Texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].contains(QLatin1String("a symbolic link leads out of the installation template's folder")));
    EXPECT_TRUE(texts[1].contains(QLatin1String("the path leaves the installation template's folder")));
    EXPECT_FALSE(f.InUser(QStringLiteral("away")));
}

TEST(DesignerFiles, KillmeDeletesOnlyTheTemplateItsImportBeganWith)
{
    Installation f;
    const QString other = f.Put(QStringLiteral("other.tpl"), "keep me");
    f.Put(QStringLiteral("install.tpl"), "[VarKit$$killme=x]");
    f.form().FileName.text = other;
    QString argument = QStringLiteral("x");
    RunActionFile(f.form(), f.Here(), QStringLiteral("$killme"), argument);
    EXPECT_EQ(argument, QStringLiteral("kill"));
    EXPECT_FALSE(QFileInfo::exists(f.Designer() + QStringLiteral("install.tpl")));
    EXPECT_EQ(ReadTestFile(other), QByteArray("keep me"));
}

TEST(DesignerFiles, SettingsPathsThatBreakThePanelsRulesAreNotInstalled)
{
    Installation f;
    f.form().SplashLogo = QStringLiteral("mine.gif");
    f.Put(QStringLiteral("bad.ini"), "[Custom]\r\nSplashLogo=C:\\logo.gif\r\nHelpMenu1=Shop\r\nHelpLink1=shop.htm\r\n");
    f.Run(QStringLiteral("$ini"), QStringLiteral("bad.ini"));
    ASSERT_EQ(f.dialogs().CountTitled(QStringLiteral("Default File Settings")), 1);
    EXPECT_TRUE(f.dialogs().Last()->text.contains(QLatin1String("  C:\\logo.gif\r\n\r\nAbsolute file paths are not allowed ")));
    EXPECT_EQ(f.form().SplashLogo, QStringLiteral("mine.gif"));
    EXPECT_EQ(f.form().MenuHelpFile.back().tag, QStringLiteral("shop.htm"));  // the rest is installed

    f.Run(QStringLiteral("$ini"), QStringLiteral("missing.ini"));
    EXPECT_TRUE(f.dialogs().Last()->text.startsWith(QStringLiteral("Could not find the file called \r\n\"missing.ini\"")));
}

TEST(DesignerFiles, AnsweringNoImportsAnOrdinaryTemplate)
{
    Installation f;
    f.Put(QStringLiteral("a.txt"));
    f.Install("[VarKit Item=Lamp][VarKit$$file=a.txt][VarKit$$killme=x]", MsgAnswer::No);
    EXPECT_EQ(f.dialogs().boxes.size(), 1);
    EXPECT_FALSE(f.InUser(QStringLiteral("a.txt")));
    EXPECT_TRUE(QFileInfo::exists(f.Designer() + QStringLiteral("install.tpl")));
    EXPECT_EQ(f.screen().Field(1).DataField.text, QStringLiteral("Lamp"));
}

// Keeps the lines a headless run writes.
class KeptLines : public StderrDialogs {
public:
    QStringList lines;

protected:
    void Write(const QString& line) override { lines << line; }
};

TEST(DesignerFiles, AHeadlessRunListsTheCommandsAndChangesNothing)
{
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    WriteTestFile(root + QStringLiteral("designer/images/logo.gif"), "GIF");
    WriteTestFile(root + QStringLiteral("designer/designer.ini"), "[Custom]\r\nPreventMarkup=True\r\n");
    const QString path = WriteTestFile(root + QStringLiteral("designer/install.tpl"),
                                       "<p>[VarKit Item=Lamp][VarKit$$file=images\\logo.gif][VarKit$$ini=designer.ini]"
                                       "[VarKit$$killme=x]</p>");
    KeptLines lines;
    HeadlessSession session(TestFolders(dir.path()), lines);
    EXPECT_TRUE(session.Load(path));
    EXPECT_EQ(lines.lines, (QStringList{QStringLiteral("designer command not run: $file images\\logo.gif"),
                                        QStringLiteral("designer command not run: $ini designer.ini"),
                                        QStringLiteral("designer command not run: $killme x")}));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("home")));  // neither the VarKit folder nor settings
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(session.form().MarkupLocked);
    EXPECT_EQ(session.form().screen.Field(1).DataField.text, QStringLiteral("Lamp"));
}

}  // namespace
