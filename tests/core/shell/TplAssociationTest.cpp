// The .tpl association as the Advanced Settings panel and the switches "i" and "d" use it, on
// the freedesktop association in temporary XDG folders.
#include "support/TestFiles.h"
#include "platform/FreedesktopAssociation.h"
#include "shell/AdvancedSettings.h"
#include "shell/HeadlessCommands.h"
#include "shell/TplAssociation.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {

struct Linking : FormFixture {
    FreedesktopAssociation association{TestHomes(folder()), false};
    Linking() { form().SetAssociation(association); }
};

}  // namespace

TEST(TplAssociation, TheButtonLinksAndUnlinksAndTheSubmenuShowsTheState)
{
    Linking l;
    AdvancedSettingsState& panel = l.form().AdvSettings;
    MenuHelpSettings_Click(l.form());
    EXPECT_EQ(panel.associateTag, QStringLiteral("-1"));
    EXPECT_EQ(panel.associateCaption, QStringLiteral("Link TPL Files"));

    AdvSettingsAssociate_Click(l.form());
    EXPECT_EQ(l.dialogs().Titles(), QStringList{QStringLiteral("VarKit")});
    EXPECT_EQ(l.dialogs().Texts(), QStringList{QStringLiteral("TPL Association Added. \r\nTPL files can launch VarKit.")});
    EXPECT_EQ(panel.associateTag, QStringLiteral("0"));
    EXPECT_EQ(panel.associateCaption, QStringLiteral("Unlink TPL Files"));
    MenuHelpSettings_Click(l.form());
    EXPECT_EQ(panel.associateTag, QStringLiteral("0"));

    MenuHelpSettingsAssoc_Click(l.form());  // the hidden menu item does the same
    EXPECT_EQ(l.dialogs().Texts().last(), QStringLiteral("TPL Association Removed. \r\nTPL files won't launch VarKit."));
    EXPECT_EQ(panel.associateTag, QStringLiteral("-1"));
    EXPECT_EQ(panel.associateCaption, QStringLiteral("Link TPL Files"));
}

TEST(TplAssociation, AFailedLinkIsNotAnnouncedAsDone)
{
    Linking l;
    WriteTestFile(TestHomes(l.folder()).config, "a file where the settings folder belongs");
    MenuHelpSettings_Click(l.form());
    AdvSettingsAssociate_Click(l.form());
    EXPECT_EQ(l.dialogs().Texts(), (QStringList{QStringLiteral("Error: Creating Key!"), QStringLiteral("Error Setting String Value!")}));
    EXPECT_EQ(l.form().AdvSettings.associateCaption, QStringLiteral("Link TPL Files"));
}

TEST(TplAssociation, TheInstallerSwitchLinksWithoutAWindow)
{
    Linking l;
    EXPECT_EQ(RunAssociateCommand(l.form().folders, QStringLiteral("/usr/bin/varkit"), l.association), 0);
    EXPECT_TRUE(ReadTestFile(l.association.DesktopFile(TplAssociationEntry(l.form()))).contains("Exec=\"/usr/bin/varkit\" %f"));

    const QString blockedHome = WriteTestFile(l.folder() + QStringLiteral("blocked"), "a file");
    FreedesktopAssociation blocked({blockedHome + QStringLiteral("/data"), blockedHome + QStringLiteral("/config")}, false);
    EXPECT_EQ(RunAssociateCommand(l.form().folders, QStringLiteral("/usr/bin/varkit"), blocked), 2);
}
