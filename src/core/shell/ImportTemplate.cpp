#include "ImportTemplate.h"

#include "DesignerFiles.h"
#include "FileCommands.h"
#include "FormState.h"
#include "HelpMenuItems.h"
#include "ResetTemplateState.h"
#include "ScreenCommands.h"
#include "ScreenTag.h"
#include "WindowLayout.h"
#include "authoring/ColorcodeMarkup.h"
#include "editscreen/FieldCreation.h"
#include "editscreen/OptionSets.h"
#include "editscreen/SectionGroups.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "template/TagScanner.h"


namespace {

const QString kFileNotFound = QStringLiteral("File not found. Check file name or path.");
const QString kNotCaptioned = QStringLiteral("Template has not been Captioned for use by this program");

QString OlderDataQuestion()
{
    const QStringList pieces = {
        QStringLiteral("You have previously used an older version of VarKit "),
        QStringLiteral("to save unique data for these template fields."),
        QString(),
        QStringLiteral("You now have the option to: "),
        QString(),
        QStringLiteral("YES    - import that data and save in the new format.  "),
        QStringLiteral("NO      - abandon and remove that data. "),
        QStringLiteral("CANCEL - skip this time and ask later."),
    };
    QString text;
    for (const QString& piece : pieces)
        text += piece + QStringLiteral("\r\n");
    return text;
}

QString TooManyTagsStep(const QString& step)
{
    // The last field index goes to the text after the last tag, so one tag fewer fits.
    return step + QStringLiteral("\r\n\r\n") + QStringLiteral("The template holds more than ")
        + QString::number(FormState::kMaxFieldIndex - 1) + QStringLiteral(" VarKits; the rest of it was not loaded.")
        + QStringLiteral("\r\n") + QStringLiteral("Combine some fields, or place static sections of code in a separate file")
        + QStringLiteral("\r\n") + QStringLiteral("that can be inserted using the 'include' VarKit.");
}

struct ImportRun {
    FormState& form;
    QString& step;
    bool& hasData;
    bool& designerCommand;

    // The keyword loop; returns when the template is read, cancelled, failed or killed.
    void ReadKeywords()
    {
        EditScreen& screen = form.screen;
        if (form.MarkupText.Text().isEmpty()) {
            form.dialogs().Message(QStringLiteral("Import Template Error"), QStringLiteral("There is no Template loaded. "),
                                   MsgButtons::Ok, MsgIcon::None);
            return;
        }
        if (form.ImportAbort)
            return;
        ColorcodeMarkup(form, QString());

        // The markup is scanned as the scratch file holds it, one text line, but from memory:
        // read back from the file its encoding would be guessed again.
        step = QStringLiteral("Loading Template");
        const QString lineBreak = QStringLiteral("\r\n");
        const QString markup = form.MarkupText.Text() + lineBreak;
        const qint64 markupBytes = WriteScratchFile(form.files(), form.WorkFile, markup, form.TemplateEncoding);

        step = QStringLiteral("Reading Template");
        TemplateFile file = TemplateFile::FromText(markup, markupBytes);
        // The line break written after the markup is not the template's.
        file.SetAppendedBytes(EncodeText(lineBreak, {form.TemplateEncoding.name, false}).size());
        form.EditSize = QString::number(file.byteSize());
        const InstallationFile installation = InstallationFileOf(form.FileName.text);
        const DesignerCommandMode commands = DesignerCommandModeFor(form, file, installation);
        qint64 startLoc = 1;
        Keyword keyword;
        QString groupName;
        while (!file.AtEnd(startLoc)) {
            keyword.Reset();
            if (form.ImportAbort)
                return;
            FetchKeywords(file, startLoc, keyword, form);
            if (form.ImportAbort || keyword.prompt == kScanError)
                return;
            form.pump.MaybeRun();
            if (keyword.keyStyle.startsWith(QLatin1String("StartGroupO"))) {
                groupName = keyword.prompt;
                keyword.prompt.clear();
            }
            if (screen.FieldCount() > FormState::kMaxFieldIndex)
                throw AppError(ErrorNumber::SubscriptOutOfRange);
            hasData = keyword.keyStyle == QLatin1String("-") || !keyword.prompt.isEmpty() || !keyword.defaultText.isEmpty();
            DataFieldAdd(screen, form.dialogs(), keyword.keyStyle, hasData, groupName);
            const int n = screen.FieldCount() - 1;
            EditField& field = screen.Field(n);
            field.DataLabel.caption = keyword.prompt;
            const QString& style = field.DataLabel.tag;
            if (style == QLatin1String("-")) {
                field.DataField.text = !keyword.defaultText.isEmpty() && field.DataLabel.caption.isEmpty()
                    ? keyword.defaultText
                    : field.DataLabel.caption;
            } else if (style == QLatin1String("$") && keyword.prompt.startsWith(QLatin1Char('$'))) {
                if (commands == DesignerCommandMode::List) {
                    form.DesignerCommandsNotRun << keyword.prompt.trimmed() + QLatin1Char(' ') + keyword.defaultText;
                } else if (commands == DesignerCommandMode::Run) {
                    form.TemplateChanged = form.ExportChanged = false;
                    designerCommand = true;
                    RunActionFile(form, installation, keyword.prompt, keyword.defaultText);
                    // "$killme" cleared the screen: nothing of this import may touch it again.
                    if (keyword.defaultText == QLatin1String("kill"))
                        return;
                }
            } else if (style == QLatin1String("$")) {
                if (keyword.defaultText.isEmpty() && !keyword.prompt.isEmpty())
                    form.WindowCaption = QStringLiteral(" VarKit - ") + keyword.prompt;
                else if (!keyword.defaultText.isEmpty() && !keyword.prompt.isEmpty())
                    AddCustomHelp(form, keyword.prompt, keyword.defaultText);
            } else if (keyword.defaultText.contains(QLatin1Char('|'))) {
                DataOptionAdd(form, keyword.defaultText, n);
            } else if (!keyword.defaultText.isEmpty()) {
                field.DataField.text = keyword.defaultText;
            }
            screen.NotifyChanged(ScreenElement::Field, n);
            form.TemplateSegments[n] = keyword.auctionText;
            form.FieldNames[n] = keyword.globalVariable;
        }
        const int count = screen.FieldCount();
        if (count <= FormState::kMaxFieldIndex)
            form.TemplateSegments[count] = keyword.auctionText;
        form.EditSize = QString::number(file.byteSize());
        for (int g = 1; g < screen.GroupCount(); ++g)
            if (screen.Group(g).DataKeep.value == 0)
                DataKeep_Click(screen, form.dialogs(), g);
    }
};

// While an import runs, what would load another template or work on the half-made fields is
// disabled: the file box, the File menu, "make HTML", "Get" and saving the defaults. Its own
// button cancels it meanwhile.
void EnableCommandsBesideImport(FormState& form, bool enabled)
{
    form.FileName.enabled = enabled;
    form.FileMenuEnabled = enabled;
    for (const int index : {0, 5, 6})
        form.Button[static_cast<size_t>(index)].enabled = enabled;
}

void CleanUp(FormState& form, bool& hasData)
{
    EditScreen& screen = form.screen;
    form.ImportRunning = false;
    form.Button[4].tag.clear();
    form.Button[4].caption = QStringLiteral("Reload Template");
    EnableCommandsBesideImport(form, true);
    Form_Resize(form);
    for (int i = 1; i < screen.FieldCount() && !hasData; ++i)
        hasData = !screen.Field(i).DataLabel.caption.isEmpty() || !screen.Field(i).DataField.text.isEmpty();
    if (hasData) {
        screen.DataScrollMessage.visible = false;
        screen.DataScrollInsertVisible = true;
    } else {
        screen.DataScrollMessage.caption = kNotCaptioned;
        screen.DataScrollMessage.visible = true;
    }
    screen.NotifyChanged(ScreenElement::ScrollArea, 0);
    form.NotifyChanged();
}

void OfferOlderData(FormState& form)
{
    form.pump.RunNow();
    const QString oldData = PriorChoicesFile(form.FileName.text);
    if (oldData.isEmpty() || !CanOpenForReading(oldData))
        return;
    const MsgAnswer answer = form.dialogs().Message(QStringLiteral("Import Template"), OlderDataQuestion(),
                                                    MsgButtons::YesNoCancel, MsgIcon::Question);
    if (answer == MsgAnswer::Yes)
        Button_Click(form, 5);
    else if (answer == MsgAnswer::No)
        RemoveIgnoringErrors(form.files(), ResolvePath(oldData));
}

}  // namespace

void ReportTemplateNotFound(Dialogs& dialogs)
{
    dialogs.Message(QStringLiteral("Fetch Template Error"), kFileNotFound, MsgButtons::Ok, MsgIcon::None);
}

QString PriorChoicesFile(const QString& templatePath)
{
    if (!templatePath.endsWith(QLatin1String(".TPL"), Qt::CaseInsensitive))
        return QString();
    return templatePath.left(templatePath.size() - 1) + QLatin1Char('e');
}

bool FetchTemplate(TemplateSession& session, const QString& path)
{
    const QString step = QStringLiteral("Fetch Template");
    TextFileData data;
    try {
        // Nothing past the size limit is read: a larger file is refused before it is loaded.
        AsAppError([&] { data = ReadTextFile(session.files(), path, TemplateFile::kReadLimit); });
    } catch (const AppError& error) {
        if (error.number() == ErrorNumber::Overflow)
            ShowErrorReport(session.dialogs(), QStringLiteral("Fetch Template"), error, TemplateTooBigStep(step));
        else if (error.number() == ErrorNumber::OutOfMemory)
            ShowErrorReport(session.dialogs(), QStringLiteral("Fetch Template"), error, step);
        else
            ReportTemplateNotFound(session.dialogs());
        return false;
    }
    Reported(session.dialogs(), QStringLiteral("Fetch Template"), step, [&] {
        session.FileName.text = path;
        session.TemplateEncoding = data.encoding;
        session.MarkupText.SetText(data.text);
        session.MarkupText.SetSelStart(0);
        session.MarkupSize = QString::number(session.MarkupText.Length());
        session.FileSize = QString::number(data.byteSize);
        session.TemplateChanged = false;  // the markup is the file as it stands on disk
    });
    session.NotifyChanged();
    return true;
}

bool LoadTemplate(FormState& form, const QString& path)
{
    // The running import would go on filling the edit screen from the template it started with.
    if (form.ImportRunning || !FetchTemplate(form, path))
        return false;
    if (!form.MarkupText.Text().isEmpty())
        ImportTemplate(form);
    form.TemplateChanged = false;
    return true;
}

bool FileName_KeyPress(FormState& form, int keyAscii)
{
    if (ScreenOf(form) == Screen::Export || keyAscii != 13 || form.FileName.text.isEmpty())
        return false;
    const QString path = ExpandHome(form.FileName.text);
    if (!CanOpenForReading(path)) {
        ReportTemplateNotFound(form.dialogs());
        return true;
    }
    // Loading replaces the markup: unsaved work is asked about first, as the Open command does.
    if (SettleUnsavedWork(form))
        LoadTemplate(form, path);
    return true;
}

void ImportTemplate(FormState& form)
{
    QString step = QStringLiteral("Import Template");
    if (form.Button[4].caption == QLatin1String("Cancel")) {
        form.Button[4].tag = QStringLiteral("Abort");
        form.ImportAbort = true;
        form.pump.RunNow();
    } else {
        form.Button[4].tag.clear();
        form.ImportAbort = false;
    }
    if (form.ImportRunning)
        return;
    const FolderListingScope listings;  // tile pictures and the old data file share a few folders
    form.ImportRunning = true;
    bool designerCommand = false;
    bool hasData = false;
    EditScreen& screen = form.screen;

    const auto location = [&](const AppError& error) {
        const bool tooManyTags = error.number() == ErrorNumber::SubscriptOutOfRange && step == QLatin1String("Reading Template");
        return tooManyTags ? TooManyTagsStep(step) : step;
    };
    ReportedAt(form.dialogs(), QStringLiteral("Import Template"), location, [&] {
        form.Button[4].caption = QStringLiteral("Cancel");
        EnableCommandsBesideImport(form, false);
        screen.DataScrollMessage.caption = QStringLiteral("Please wait...\r\nProcessing Template");
        screen.DataScrollMessage.visible = true;
        form.NotifyChanged();

        step = QStringLiteral("Clearing Prior Template");
        screen.DataScrollInsertVisible = false;
        form.pump.RunNow();
        ResetTemplateState(form, 120);

        ImportRun run{form, step, hasData, designerCommand};
        run.ReadKeywords();
    });

    CleanUp(form, hasData);

    step = QStringLiteral("Load Prior choices");
    Reported(form.dialogs(), QStringLiteral("Import Template"), step, [&] { OfferOlderData(form); });

    if (designerCommand) {
        form.TemplateChanged = form.ExportChanged = false;
        if (!form.StartupTemplate.isEmpty()) {
            LoadTemplate(form, form.folders.FindOrUserPath(form.StartupTemplate));
        } else {
            MenuFileOpen_Click(form, 0);
        }
    }
}
