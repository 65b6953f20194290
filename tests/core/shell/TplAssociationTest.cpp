// The .tpl association as the Advanced Settings panel and the switches "i" and "d" use it, on
// the freedesktop association in temporary XDG folders.
#include "support/TestFiles.h"
#include "platform/FreedesktopAssociation.h"
#include "shell/AdvancedSettings.h"
#include "shell/HeadlessCommands.h"
#include "shell/TplAssociation.h"
#include "support/FormFixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct Linking : FormFixture {
    FreedesktopAssociation association{TestHomes(folder()), false};
    Linking()
    {
        form().SetAssociation(association);
        form().ProgramFile = folder() + QStringLiteral("varkit");
    }
    int Query()
    {
        int mode = 0;
        AssociateTplFiles(form(), mode);
        return mode;
    }
};

}  // namespace

TEST(TplAssociation, TheValuesOfTheAssociation)
{
    Linking l;
    const AssociationEntry entry = TplAssociationEntry(l.form());
    EXPECT_EQ(entry.extension, QStringLiteral(".tpl"));
    EXPECT_EQ(entry.programPath, l.folder() + QStringLiteral("varkit"));
    EXPECT_EQ(entry.progId, QStringLiteral("VarKit.TPLfile"));
    EXPECT_EQ(entry.description, QStringLiteral("Varkit template"));
    EXPECT_EQ(entry.iconFolder, l.folder() + QStringLiteral("icons/hicolor"));
    EXPECT_EQ(entry.mimeType, QStringLiteral("application/x-varkit-template"));
}

TEST(TplAssociation, ModesQueryCreateAndRemove)
{
    Linking l;
    EXPECT_EQ(l.Query(), -1);
    int mode = 1;
    AssociateTplFiles(l.form(), mode);
    EXPECT_EQ(l.Query(), 0);
    mode = 2;
    AssociateTplFiles(l.form(), mode);
    EXPECT_EQ(l.Query(), -1);
    EXPECT_TRUE(l.dialogs().boxes.isEmpty());
}

TEST(TplAssociation, TheButtonLinksAndUnlinksAndTheSubmenuShowsTheState)
{
    Linking l;
    MenuHelpSettings_Click(l.form());
    EXPECT_EQ(l.form().AdvSettings.associateTag, QStringLiteral("-1"));
    EXPECT_EQ(l.form().AdvSettings.associateCaption, QStringLiteral("Link TPL Files"));

    AdvSettingsAssociate_Click(l.form());
    ASSERT_EQ(l.dialogs().boxes.size(), 1);
    EXPECT_EQ(l.dialogs().boxes[0].title, QStringLiteral("VarKit"));
    EXPECT_EQ(l.dialogs().boxes[0].text, QStringLiteral("TPL Association Added. \r\nTPL files can launch VarKit."));
    EXPECT_EQ(l.form().AdvSettings.associateTag, QStringLiteral("0"));
    EXPECT_EQ(l.form().AdvSettings.associateCaption, QStringLiteral("Unlink TPL Files"));
    MenuHelpSettings_Click(l.form());
    EXPECT_EQ(l.form().AdvSettings.associateTag, QStringLiteral("0"));

    MenuHelpSettingsAssoc_Click(l.form());  // the hidden menu item does the same
    EXPECT_EQ(l.dialogs().boxes.last().text, QStringLiteral("TPL Association Removed. \r\nTPL files won't launch VarKit."));
    EXPECT_EQ(l.form().AdvSettings.associateTag, QStringLiteral("-1"));
    EXPECT_EQ(l.form().AdvSettings.associateCaption, QStringLiteral("Link TPL Files"));
    EXPECT_EQ(l.Query(), -1);
}

TEST(TplAssociation, AFailedLinkIsNotAnnouncedAsDone)
{
    Linking l;
    WriteTestFile(TestHomes(l.folder()).config, "a file where the settings folder belongs");
    MenuHelpSettings_Click(l.form());
    AdvSettingsAssociate_Click(l.form());
    EXPECT_EQ(l.dialogs().Texts(), (QStringList{QStringLiteral("Error: Creating Key!"), QStringLiteral("Error Setting String Value!")}));
    EXPECT_EQ(l.form().AdvSettings.associateTag, QStringLiteral("-1"));
    EXPECT_EQ(l.form().AdvSettings.associateCaption, QStringLiteral("Link TPL Files"));
}

TEST(TplAssociation, TheInstallerSwitchLinksWithoutAWindow)
{
    Linking l;
    FreedesktopAssociation association(TestHomes(l.folder()), false);
    EXPECT_EQ(RunAssociateCommand(l.form().folders, QStringLiteral("/usr/bin/varkit"), association), 0);
    QString progId = kTplProgId;
    association.QueryFileAssociation(TplAssociationEntry(l.form()), progId);
    EXPECT_EQ(progId, kTplProgId);
    EXPECT_TRUE(ReadTestFile(association.DesktopFile(TplAssociationEntry(l.form()))).contains("Exec=\"/usr/bin/varkit\" %f"));

    // Folders that cannot be made: the messages go to standard error and the status says so.
    const QString blockedHome = WriteTestFile(l.folder() + QStringLiteral("blocked"), "a file");
    FreedesktopAssociation blocked({blockedHome + QStringLiteral("/data"), blockedHome + QStringLiteral("/config")}, false);
    EXPECT_EQ(RunAssociateCommand(l.form().folders, QStringLiteral("/usr/bin/varkit"), blocked), 2);
}
