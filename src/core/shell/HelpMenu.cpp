#include "HelpMenu.h"

#include "FormState.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "text/TextUtilities.h"

#ifndef VARKIT_MAKER_PAGE
#define VARKIT_MAKER_PAGE "http://www.orvane.com/"
#endif
#ifndef VARKIT_SUPPORT_ADDRESS
#define VARKIT_SUPPORT_ADDRESS "support@orvane.com"
#endif

namespace {

const QString kFileError = QStringLiteral("File Error");
const QString kLegalNotice = QStringLiteral("Copyright (c) 2026 the VarKit developers, MIT licence");

void ShowFileError(FormState& form, const QString& text)
{
    form.dialogs().Message(kFileError, text, MsgButtons::Ok, MsgIcon::Exclamation);
}

void OpenLink(FormState& form, const QString& link)
{
    QString target = link;
    if (!IsWebLink(link)) {
        if (link.isEmpty()) {
            ShowFileError(form, QStringLiteral("This option is not available. "));
            return;
        }
        target = FindHelpLink(form.folders, form.FileName.text, link);
        if (target.isEmpty()) {
            ShowFileError(form, QStringLiteral("Could not find the file \r\n") + link);
            return;
        }
    }
    if (!form.shell().Open(target))
        ShowFileError(form, QStringLiteral("Could not open required application \r\n(Web Browser, Notepad, etc.)"));
}

}  // namespace

QString MakerPage()
{
    return QStringLiteral(VARKIT_MAKER_PAGE);
}

QString SupportAddress()
{
    return QStringLiteral(VARKIT_SUPPORT_ADDRESS);
}

bool IsWebLink(const QString& link)
{
    const QString lower = link.toLower();
    for (const char* prefix : {"http://", "https://", "ftp://", "mailto:"})
        if (lower.contains(QLatin1String(prefix)))
            return true;
    return false;
}

QStringList HelpLinkCandidates(const ProgramFolders& folders, const QString& templatePath, const QString& link)
{
    QStringList candidates;
    for (const QString& below : {QString(), QStringLiteral("help/"), kTemplatesFolder})
        candidates << folders.Candidates(below + link);
    const QString templateFolder = ExtractDirectory(templatePath);
    if (!templateFolder.isEmpty())
        candidates << templateFolder + link;
    candidates << link;
    return candidates;
}

QString FindHelpLink(const ProgramFolders& folders, const QString& templatePath, const QString& link)
{
    for (const QString& candidate : HelpLinkCandidates(folders, templatePath, link)) {
        const QString onDisk = ResolvePath(candidate);
        if (CanOpenForReading(onDisk))
            return onDisk;
    }
    return {};
}

void MenuHelpFile_Click(FormState& form, int index)
{
    QString link;
    if (index < kShownLinkIndex) {
        if (index < 0 || index >= static_cast<int>(form.MenuHelpFile.size()))
            return;
        if (form.MenuHelpFile[static_cast<size_t>(index)].caption == QLatin1String("-"))
            return;
        form.MenuHelpFile[0].tag = kHelpPage;
        form.MenuHelpFile[1].tag = MakerPage();
        MenuItemState& security = form.MenuHelpFile[2];
        if (index == 2) {
            security.checked = !security.checked;
            form.MenuShowLink.visible = form.MenuShowArrowVisible = security.checked;
            form.NotifyChanged();
            return;
        }
        link = form.MenuHelpFile[static_cast<size_t>(index)].tag;
        form.MenuShowLink.caption = link;
        form.NotifyChanged();
        if (security.checked)
            return;  // the link is only shown; a click on it opens it
    } else {
        link = form.MenuShowLink.caption;
    }
    OpenLink(form, link);
}

void MenuShowLink_Click(FormState& form)
{
    const QString& caption = form.MenuShowLink.caption;
    if (!caption.isEmpty() && caption != QLatin1String("-"))
        MenuHelpFile_Click(form, kShownLinkIndex);
}

QString AboutVersion(int major, int minor, int revision)
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor, 2, 10, QLatin1Char('0')).arg(revision, 2, 10, QLatin1Char('0'));
}

QString AboutText(const QString& version, const QString& aboutTag)
{
    const QString rule = QStringLiteral("________________________");
    const QStringList lines = {
        QStringLiteral("        This program Edits and"),
        QStringLiteral(" Previews HTML template code. "),
        rule,
        QString(),
        QStringLiteral("   VarKit"),
        QStringLiteral("            Version ") + version,
        aboutTag,
        rule,
        QString(),
        QStringLiteral("  ") + kLegalNotice,
        QStringLiteral("    ") + SupportAddress() + QStringLiteral("  "),
        QStringLiteral("  ") + MakerPage() + QStringLiteral("  "),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

void MenuHelpAbout_Click(FormState& form)
{
    const QString version = AboutVersion(VARKIT_VERSION_MAJOR, VARKIT_VERSION_MINOR, VARKIT_VERSION_PATCH);
    form.dialogs().Message(QStringLiteral(" About VarKit"), AboutText(version), MsgButtons::Ok, MsgIcon::None);
}
