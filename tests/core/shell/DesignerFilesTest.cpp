// Installation templates in a temporary program folder: the designer's files come from a
// folder of their own beside it, and land in the user's VarKit folder below home/data.
#include "shell/DesignerFiles.h"
#include "shell/HeadlessSession.h"
#include "support/FormFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct Installation : FormFixture {
    QString Designer() const { return folder() + QStringLiteral("designer/"); }
    QString Put(const QString& name, const QByteArray& bytes = "x") const { return WriteTestFile(Designer() + name, bytes); }
    void Install(const QByteArray& tags, MsgAnswer answer = MsgAnswer::Yes)
    {
        dialogs().answers.push_back(answer);
        Import("<p>" + tags + "</p>", QStringLiteral("designer/install.tpl"));
    }
    void Run(const QString& command, QString argument)
    {
        RunActionFile(form(), InstallationFileOf(Designer() + QStringLiteral("install.tpl")), command, argument);
    }
    QByteArray InUser(const QString& name) { return ReadTestFile(form().folders.User() + name); }
};

const QString kContactIntro = QStringLiteral("\r\n\r\nYou may wish to contact your designer:\r\n  ");

TEST(DesignerFiles, AllSixCommandsInstallInOrderAndTheTemplateRemovesItself)
{
    Installation f;
    f.Put(QStringLiteral("images/logo.gif"), "GIF89a");
    f.Put(QStringLiteral("docs/deep/guide.htm"), "<p>guide</p>");
    f.Put(QStringLiteral("designer.ini"), "[Custom]\r\nSplashLogo=images\\logo.gif\r\nPreventMarkup=True\r\n"
                                          "HelpMenu1=Shop\r\nHelpLink1=shop.htm\r\nHelpMenu2=Lamps by Jo\r\n");
    f.Install("[VarKit$$designer=Jo  jo@example.com][VarKit$$folder=images][VarKit$$file=docs\\deep\\guide.htm]"
              "[VarKit$$ini=designer.ini][VarKit$$message=Welcome aboard][VarKit$$killme=bye][VarKit$$file=late.txt]");

    const RecordedBox& question = f.dialogs().boxes[0];
    EXPECT_EQ(question.title, QStringLiteral("Installation Template"));
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    for (const char* step : {"copy the folder \"images\"", "copy the file \"docs\\deep\\guide.htm\"",
                             "install the settings file \"designer.ini\"", "show a message", "delete itself"})
        EXPECT_TRUE(question.text.contains(QLatin1String(step))) << step;
    EXPECT_FALSE(question.text.contains(QLatin1String("late.txt")));  // it stands after $killme
    EXPECT_EQ(f.dialogs().Texts()[1], QStringLiteral("Welcome aboard"));
    EXPECT_EQ(f.dialogs().Titles()[1], QStringLiteral("Installation Message"));
    EXPECT_EQ(f.dialogs().boxes.last().kind, QStringLiteral("file"));  // no start-up template: File > Open

    EXPECT_EQ(f.InUser(QStringLiteral("images/logo.gif")), QByteArray("GIF89a"));
    EXPECT_EQ(f.InUser(QStringLiteral("docs/deep/guide.htm")), QByteArray("<p>guide</p>"));

    EXPECT_TRUE(f.form().MarkupLocked);
    EXPECT_EQ(f.form().WindowCaption, QStringLiteral(" VarKit - Lamps by Jo"));
    EXPECT_EQ(f.form().MenuHelpFile.back().tag, QStringLiteral("shop.htm"));
    EXPECT_TRUE(ReadTestFile(f.form().folders.SettingsFile()).contains("SplashLogo=images\\logo.gif\r\nPreventMarkup=True"));

    EXPECT_FALSE(QFileInfo::exists(f.Designer() + QStringLiteral("install.tpl")));
    EXPECT_TRUE(f.form().MarkupText.Text().isEmpty());
    EXPECT_EQ(f.screen().FieldCount(), 1);  // the hidden pattern row only
}

TEST(DesignerFiles, MissingSourcesNameTheDesignerOnceOneIsKnownAcrossImports)
{
    Installation f;
    f.Install("[VarKit$$folder=images]");
    EXPECT_EQ(f.dialogs().boxes[1].title, QStringLiteral("Copy Error"));
    EXPECT_EQ(f.dialogs().boxes[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(f.dialogs().boxes[1].text, QStringLiteral("Could not find the folder called   \"images\"\r\nto copy to the VarKit directory.")
                                             + kContactIntro);

    f.Install("[VarKit$$designer=Jo at shop]");
    f.Install("[VarKit$$file=logo.gif]");
    EXPECT_EQ(f.dialogs().Texts().filter(QStringLiteral("Could not find")).last(),
              QStringLiteral("Could not find the file called \r\n\"logo.gif\"\r\nto copy to the VarKit directory.") + kContactIntro
                  + QStringLiteral("Jo at shop"));
}

TEST(DesignerFiles, CommandsAreKnownInAnyCaseAndWithBlanksAround)
{
    Installation f;
    f.Put(QStringLiteral("a.txt"));
    f.Put(QStringLiteral("pics/c.gif"));
    f.Install("[VarKit$ $FILE = a.txt ][VarKit$$Folder=pics][VarKit$$MESSAGE=]");
    f.Run(QStringLiteral("  $fIlE  "), QStringLiteral("pics\\c.gif"));
    EXPECT_EQ(f.InUser(QStringLiteral("a.txt")), QByteArray("x"));
    EXPECT_EQ(f.InUser(QStringLiteral("pics/c.gif")), QByteArray("x"));
    EXPECT_EQ(f.dialogs().CountTitled(QStringLiteral("Copy Error")) + f.dialogs().CountTitled(QStringLiteral("Installation Message")), 0);
}

TEST(DesignerFiles, EveryDestinationOutsideTheVarKitFolderIsRefused)
{
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\evil.txt", "a drive letter is not allowed"},
        {"/OUTSIDE/evil.txt", "an absolute path is not allowed"},
        {"\\evil.txt", "a leading separator is not allowed"},
        {"images\\..\\..\\evil.txt", "the path leaves the installation template's folder"},
        {"VARKIT.INI", "the name belongs to one of VarKit's own files"},
        {"linked\\evil.txt", "a symbolic link leads out of the VarKit folder"},
    };
    for (const auto& [written, reason] : rows) {
        Installation f;
        const QString outside = f.folder() + QStringLiteral("outside/");
        const QString argument = QString::fromLatin1(written).replace(QStringLiteral("/OUTSIDE/"), outside);
        f.Put(QStringLiteral("VARKIT.INI"));
        f.Put(QStringLiteral("linked/evil.txt"), "bad");
        WriteTestFile(outside + QStringLiteral("evil.txt"), "kept");
        QDir().mkpath(f.form().folders.User());
        QFile::link(outside, f.form().folders.User() + QStringLiteral("linked"));

        f.Run(QStringLiteral("$file"), argument);
        EXPECT_EQ(f.dialogs().Titles(), QStringList{QStringLiteral("Copy Error")}) << written;
        EXPECT_EQ(f.dialogs().Texts().value(0), QStringLiteral("Could not copy \r\n\"") + argument
                      + QStringLiteral("\"\r\nto the VarKit directory: ") + QLatin1String(reason) + QLatin1Char('.') + kContactIntro);
        EXPECT_EQ(ReadTestFile(outside + QStringLiteral("evil.txt")), QByteArray("kept")) << written;
        EXPECT_EQ(f.InUser(QStringLiteral("varkit.ini")), QByteArray("<missing>")) << written;
    }
}

TEST(DesignerFiles, SourcesStayInTheTemplatesFolderAndLinksOutAreNotFollowed)
{
    Installation f;
    WriteTestFile(f.folder() + QStringLiteral("private/secret.txt"), "secret");
    f.Put(QStringLiteral("pics/a.gif"));
    QFile::link(f.folder() + QStringLiteral("private/secret.txt"), f.Designer() + QStringLiteral("pics/secret.txt"));
    QFile::link(f.Designer() + QStringLiteral("pics"), f.Designer() + QStringLiteral("pics/loop"));
    QFile::link(f.folder() + QStringLiteral("private"), f.Designer() + QStringLiteral("away"));

    f.Run(QStringLiteral("$folder"), QStringLiteral("pics"));
    f.Run(QStringLiteral("$folder"), QStringLiteral("away"));
    EXPECT_EQ(f.InUser(QStringLiteral("pics/a.gif")), QByteArray("x"));
    EXPECT_EQ(f.InUser(QStringLiteral("pics/secret.txt")), QByteArray("<missing>"));
    EXPECT_FALSE(QFileInfo::exists(f.form().folders.User() + QStringLiteral("pics/loop/loop")));
    ASSERT_EQ(f.dialogs().boxes.size(), 1);
    EXPECT_TRUE(f.dialogs().Texts()[0].contains(QLatin1String("a symbolic link leads out of the installation template's folder")));
}

TEST(DesignerFiles, KillmeDeletesTheTemplateItsImportBeganWithAndSettingsKeepThePanelsRules)
{
    Installation f;
    const QString other = f.Put(QStringLiteral("other.tpl"), "keep me");
    f.Put(QStringLiteral("install.tpl"));
    f.form().FileName.text = other;
    f.Run(QStringLiteral("$killme"), QString());
    EXPECT_FALSE(QFileInfo::exists(f.Designer() + QStringLiteral("install.tpl")));
    EXPECT_EQ(ReadTestFile(other), QByteArray("keep me"));

    f.form().SplashLogo = QStringLiteral("mine.gif");
    f.Put(QStringLiteral("bad.ini"), "[Custom]\r\nSplashLogo=C:\\logo.gif\r\nHelpMenu1=Shop\r\nHelpLink1=shop.htm\r\n");
    f.Run(QStringLiteral("$ini"), QStringLiteral("bad.ini"));
    EXPECT_EQ(f.dialogs().Last()->title, QStringLiteral("Default File Settings"));
    EXPECT_TRUE(f.dialogs().Last()->text.contains(QLatin1String("  C:\\logo.gif\r\n\r\nAbsolute file paths are not allowed ")));
    EXPECT_EQ(f.form().SplashLogo, QStringLiteral("mine.gif"));
    EXPECT_EQ(f.form().MenuHelpFile.back().tag, QStringLiteral("shop.htm"));  // the rest is installed
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
    const QString path = WriteTestFile(root + QStringLiteral("designer/install.tpl"),
                                       "<p>[VarKit Item=Lamp][VarKit$$file=images\\logo.gif][VarKit$$killme=x]</p>");
    KeptLines lines;
    HeadlessSession session(TestFolders(dir.path()), lines);
    EXPECT_TRUE(session.Load(path));
    EXPECT_EQ(lines.lines, (QStringList{QStringLiteral("designer command not run: $file images\\logo.gif"),
                                        QStringLiteral("designer command not run: $killme x")}));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("home")));  // neither the VarKit folder nor settings
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(session.form().screen.Field(1).DataField.text, QStringLiteral("Lamp"));
}

}  // namespace
