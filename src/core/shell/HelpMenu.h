#pragma once
// The Help menu's commands: its items open the help page, the maker's page and the links of the
// settings file and the template (web and mail addresses through the desktop, local names looked
// for in the program's folders and beside the template); the security option shows a link in
// the menu bar before a second click opens it; About names the product and its version.
#include <QString>
#include <QStringList>

class FormState;
class ProgramFolders;

inline const QString kHelpPage = QStringLiteral("VarkitHelp.htm");
// The index MenuHelpFile_Click takes for the link shown in the menu bar.
constexpr int kShownLinkIndex = 1000;

// The maker's web page and support address.
QString MakerPage();
QString SupportAddress();

// A web or mail link: "http://", "https://", "ftp://" or "mailto:" anywhere, in any case.
bool IsWebLink(const QString& link);
// Where a local link is looked for, in order: the user's VarKit folder and the program folder,
// then their help/ and templates/ folders, the folder of the current template, the link as
// written.
QStringList HelpLinkCandidates(const ProgramFolders& folders, const QString& templatePath, const QString& link);
// The first candidate that opens for reading; empty when none does.
QString FindHelpLink(const ProgramFolders& folders, const QString& templatePath, const QString& link);

// A Help item chosen (its index in MenuHelpFile), or kShownLinkIndex for the menu bar's link.
void MenuHelpFile_Click(FormState& form, int index);
// The link shown in the menu bar clicked: opens it.
void MenuShowLink_Click(FormState& form);

// The version as About shows it: 1.04.01 for 1, 4, 1.
QString AboutVersion(int major, int minor, int revision);
// The About box's twelve lines, each ending in CR LF.
QString AboutText(const QString& version, const QString& aboutTag = QString());
void MenuHelpAbout_Click(FormState& form);
