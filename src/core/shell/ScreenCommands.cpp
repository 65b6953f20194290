#include "ScreenCommands.h"

#include "FieldEvents.h"
#include "FormState.h"
#include "ImportTemplate.h"
#include "ProfileFile.h"
#include "SaveEditedCommands.h"
#include "ScreenTag.h"
#include "editscreen/Blowup.h"
#include "html/Colors.h"
#include "html/LinkPreview.h"
#include "html/MakeHtml.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QSet>

namespace {

enum class Frame { Desc, Markup, Html };

quint32 ColorOf(const char* html)
{
    return ColorValueFromHtml(QString::fromLatin1(html)).value_or(0);
}

void SetIdleBars(FormState& form)
{
    for (int tab : {0, 1, 4})
        form.ColorLineColor[static_cast<size_t>(tab)] = IdleBarColor(tab);
}

void SelectBar(FormState& form, int tab)
{
    SetIdleBars(form);
    form.ColorLineColor[static_cast<size_t>(tab)] = SelectedBarColor(tab);
}

void BringToFront(FormState& form, Frame frame)
{
    const int z = ++form.FrameZCounter;
    switch (frame) {
    case Frame::Desc:
        form.DescFrameZ = z;
        form.DescFrameVisible = true;
        break;
    case Frame::Markup:
        form.MarkupFrameZ = z;
        form.MarkupFrameVisible = true;
        break;
    case Frame::Html:
        form.HTMLframeZ = z;
        form.HTMLframeVisible = true;
        break;
    }
}

void FocusFileName(FormState& form)
{
    if (form.FileName.enabled && form.FileName.visible && form.onFocusFileName)
        form.onFocusFileName();
}

// An open enlarged editor whose text differs from its field's value asks whether to keep it.
void AskAboutBlowup(FormState& form)
{
    if (!BlowupEdited(form.Blowup, form.screen))
        return;
    const MsgAnswer answer = form.dialogs().Message(QStringLiteral("Edit data"), QStringLiteral("Save editing to this field?\r\n"),
                                                    MsgButtons::YesNo, MsgIcon::Question);
    BlowupButton_Click(form, answer == MsgAnswer::Yes ? 1 : 0);
}

const QString kPriorChoicesSection = QStringLiteral("Edited Defaults");

QString UseEditedDefaultsText()
{
    return QStringLiteral("You may now save your Edited Data as a new template from the File Menu. ") + QStringLiteral("\r\n")
        + QStringLiteral("\r\n") + QStringLiteral("This new feature will obsolete the older save/get method and ")
        + QStringLiteral("\r\n") + QStringLiteral("will allow more flexility and more auction variations per template. ")
        + QStringLiteral("\r\n") + QStringLiteral("Be sure to select a new file name for each modified template. ")
        + QStringLiteral("\r\n") + QStringLiteral("Templates saved this way can be loaded just like new templates. ")
        + QStringLiteral("\r\n") + QStringLiteral("\r\n") + QStringLiteral("The old save/get file is gone. ")
        + QStringLiteral("\r\n") + QStringLiteral("\r\n")
        + QStringLiteral("Would you like to save your custom data to a new file now?");
}

}  // namespace

quint32 IdleBarColor(int tab)
{
    switch (tab) {
    case 0: return ColorOf("#F0F0D0");
    case 1: return ColorOf("#D8C8C8");
    case 4: return ColorOf("#D0E0D0");
    default: return 0;
    }
}

quint32 SelectedBarColor(int tab)
{
    switch (tab) {
    case 0: return ColorOf("#F8F8A0");
    case 1: return ColorOf("#DBA8BD");
    case 4: return ColorOf("#C0F0C0");
    default: return 0;
    }
}

void LoadPriorChoices(FormState& form)
{
    form.pump.RunNow();
    const QString file = PriorChoicesFile(form.FileName.text);
    if (file.isEmpty() || !CanOpenForReading(file))
        return;
    // Only keys the file holds are read; the reader opens the file for every key.
    QSet<QString> stored;
    for (const QString& key : ProfileSectionKeys(form.files(), kPriorChoicesSection, file))
        stored.insert(key.trimmed().toLower());
    EditScreen& screen = form.screen;
    for (int i = 1; i < screen.FieldCount(); ++i) {
        const QString key = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        if (!stored.contains(key))
            continue;
        QString value = GetPrivateProfileString(form.files(), kPriorChoicesSection, key, QString(), file, form.ProfileBufferSize);
        if (value.isEmpty())
            continue;
        value.replace(QChar(0x00B6), QStringLiteral("\r\n"));
        screen.Field(i).DataField.text = value;
        screen.NotifyChanged(ScreenElement::Field, i);
    }
    const MsgAnswer answer = form.dialogs().Message(QStringLiteral("Use Edited Defaults"), UseEditedDefaultsText(),
                                                       MsgButtons::YesNo, MsgIcon::Question);
    // The old file goes only once its values are saved in the new form: a cancelled dialog or
    // a failed write keeps it.
    if (answer == MsgAnswer::Yes && MenuFileSaveModified_Click(form))
        RemoveIgnoringErrors(form.files(), ResolvePath(file));
}

void Button_Click(FormState& form, int index)
{
    // A disabled button does nothing, however it was pressed (the import disables some).
    if (index < 0 || static_cast<size_t>(index) >= form.Button.size() || !form.Button[static_cast<size_t>(index)].enabled)
        return;
    QString step = QStringLiteral("Command Action");
    Reported(form.dialogs(), QStringLiteral("Click Button"), step, [&] {
        switch (index) {
        case 0:
            step = QStringLiteral("make HTML");
            form.HTMLframeVisible = true;
            MakeHtml(form);
            break;
        case 1:
            step = QStringLiteral("Back to Edit");
            form.HTMLframeVisible = false;
            break;
        case 2:
        case 12:
            step = QStringLiteral("Open Previewer");
            LinkPreview(form);
            break;
        case 3:
            step = QStringLiteral("Copy HTML");
            form.HTMLtext.Select(0, form.HTMLtext.Length());
            form.clipboard().SetText(form.HTMLtext.Text());
            break;
        case 4:
            step = QStringLiteral("Reload Template");
            ImportTemplate(form);
            break;
        case 5:
            step = QStringLiteral("Retrieve Defaults");
            step = QStringLiteral("Load Prior choices");
            LoadPriorChoices(form);
            break;
        case 6:
            step = QStringLiteral("Save Defaults");
            SaveEditFields(form);
            break;
        default:
            break;
        }
    });
    form.NotifyChanged();
}

void TabTop_Click(FormState& form, int index)
{
    QString step = QStringLiteral("Select Tab");
    Reported(form.dialogs(), QStringLiteral("Click TabTops"), step, [&] {
        form.TabTopToolTip[4] = kExportTabToolTip;
        AskAboutBlowup(form);
        switch (index) {
        case 0:
            SetIdleBars(form);
            step = QStringLiteral("Select Edit tab");
            SelectBar(form, 0);
            BringToFront(form, Frame::Desc);
            // An enlarged editor left open by the question above (nothing was typed) closes
            // here too: the edit screen is shown as it is.
            form.Blowup.visible = false;
            form.MenuEditEnabled = true;
            form.FindEnabled = false;
            SetScreen(form, Screen::Edit);
            FocusFileName(form);
            break;
        case 1:
            SetIdleBars(form);
            step = QStringLiteral("Select Markup Tab");
            SelectBar(form, 1);
            BringToFront(form, Frame::Markup);
            form.Blowup.visible = false;
            if (!form.MarkupLocked) {
                form.TagButtonFrameVisible = true;
                form.TagButtonFrameEnabled = !form.CustomLogoVisible;
                form.MenuEditEnabled = true;
                SetScreen(form, Screen::Markup);
                form.FindEnabled = true;
            } else {
                form.TagButtonFrameVisible = false;
                form.MenuEditEnabled = false;
                SetScreen(form, Screen::NoMarkup);
                form.FindEnabled = false;
            }
            FocusFileName(form);
            break;
        case 4:
            if (!form.FileName.enabled)
                break;
            if (ScreenOf(form) == Screen::Export) {
                // Still the export screen: its tool tip keeps saying so.
                form.TabTopToolTip[4] = kExportTabShownToolTip;
                step = QStringLiteral("Open Previewer");
                LinkPreview(form);
                break;
            }
            form.TabTopToolTip[4] = kExportTabShownToolTip;
            SetIdleBars(form);
            step = QStringLiteral("Select Export Tab");
            SelectBar(form, 4);
            BringToFront(form, Frame::Html);
            form.Blowup.visible = false;
            form.FindEnabled = true;
            form.MenuEditEnabled = true;
            SetScreen(form, Screen::Export);
            MakeHtml(form);
            break;
        default:
            break;
        }
    });
    form.NotifyChanged();
}

void TabTop_DblClick(FormState& form, int index)
{
    if (index != 4 || !form.FileName.enabled)
        return;
    if (ScreenOf(form) != Screen::Export)
        TabTop_Click(form, 4);
    Reported(form.dialogs(), QStringLiteral("Click TabTops"), QStringLiteral("Open Previewer"), [&] { LinkPreview(form); });
    form.NotifyChanged();
}

void MarkupText_Change(TemplateSession& session)
{
    session.MarkupSize = QString::number(session.MarkupText.Length());
    session.TemplateChanged = true;
    session.NotifyChanged();
}

void HTMLtext_Change(TemplateSession& session)
{
    session.HtmlSize = QString::number(session.HTMLtext.Length());
    session.ExportChanged = true;
    session.NotifyChanged();
}
