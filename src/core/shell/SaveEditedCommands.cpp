#include "SaveEditedCommands.h"

#include "FileCommands.h"
#include "FormState.h"
#include "authoring/ColorcodeMarkup.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "template/TemplateFile.h"
#include "text/TextUtilities.h"

#include <QFileInfo>

namespace {

const QString kReportTitle = QStringLiteral("Save Edited fields");
const QString kCrLf = QStringLiteral("\r\n");
// A picture larger than this is not compared byte by byte: its replacement is asked about.
constexpr qint64 kCompareLimit = 64 * 1024 * 1024;
// The saved template is read back whole, however much the values made it grow.
constexpr qint64 kReloadLimit = 256 * 1024 * 1024;

bool SameContent(FileOps& files, const QString& a, const QString& b)
{
    const qint64 size = QFileInfo(a).size();
    if (size != QFileInfo(b).size() || size > kCompareLimit)
        return false;
    try {
        return files.Read(a, size) == files.Read(b, size);
    } catch (const AppError&) {
        return false;
    }
}

// Whether the tile picture may go to `target`: a file there with other content is the
// designer's own picture and is replaced only when the user says so; one with the same content
// needs no copy.
bool MayCopyTile(FormState& form, const QString& source, const QString& target)
{
    if (form.files().Kind(target) == FileKind::Missing)
        return true;
    if (SameContent(form.files(), source, target))
        return false;
    const MsgAnswer answer = form.dialogs().Message(
        kReportTitle,
        target + QStringLiteral(" already exists with another picture.") + kCrLf + QStringLiteral("Replace it with ")
            + source + QStringLiteral("?"),
        MsgButtons::YesNo, MsgIcon::Exclamation);
    return answer == MsgAnswer::Yes;
}

// Copies every tile picture the user pasted or dropped into the saved template's folder, under
// its option's caption. A failed copy is reported and ends the copies; the template itself is
// written by then, so the command goes on.
void CopyTileImages(FormState& form, const QString& savedPath, const QString& step)
{
    const EditScreen& screen = form.screen;
    const QString folder = ExtractDirectory(ToNativeSeparators(savedPath));
    try {
        for (int j = 1; j < screen.OptionCount() && j < screen.TileSourceFiles.size(); ++j) {
            const QString& source = screen.TileSourceFiles[j];
            const FieldOption& option = screen.Option(j);
            const QString& caption = option.DataOption.caption;
            if (option.DataOptImg.picture.isNull() || source.isEmpty() || caption == source)
                continue;
            const QString target = ToNativeSeparators(folder + caption);
            if (SameFile(source, target) || !MayCopyTile(form, ResolvePath(source), target))
                continue;
            AsAppError([&] { form.files().Copy(ResolvePath(source), target); });
        }
    } catch (const AppError& error) {
        ShowErrorReport(form.dialogs(), kReportTitle, error, step);
    }
}

// Shows the saved template on the markup screen as it was written, coloured, caret at its start.
void ReplaceModifiedTemplate(FormState& form, const QString& path)
{
    const TextFileData data = ReadTextFile(form.files(), path, kReloadLimit);
    form.FileSize = QString::number(data.byteSize);
    form.TemplateEncoding = data.encoding;
    form.MarkupText.SetText(data.text);
    ColorcodeMarkup(form, QString());
    form.MarkupText.SetSelStart(0);
    form.MarkupSize = QString::number(form.MarkupText.Length());
}

// A template the values made larger than a template may be could not be opened again: the
// user says whether it is saved all the same.
bool AcceptSize(FormState& form)
{
    const qint64 bytes = EncodeText(form.ModifiedTemplate, form.TemplateEncoding).size();
    if (bytes <= TemplateFile::kSizeLimit)
        return true;
    const QString text = QStringLiteral("The new template holds %1 bytes, more than the %2 a template may hold: ")
                             .arg(bytes)
                             .arg(TemplateFile::kSizeLimit)
        + kCrLf + QStringLiteral("VarKit will not be able to open it. Shorten some values, or save it anyway?");
    return form.dialogs().Message(kReportTitle, text, MsgButtons::YesNo, MsgIcon::Exclamation) == MsgAnswer::Yes;
}

}  // namespace

QList<TemplateHelpLink> TemplateHelpLinks(const FormState& form)
{
    QList<TemplateHelpLink> links;
    for (size_t k = static_cast<size_t>(qMax(0, form.HelpMenuSettingsCount)); k < form.MenuHelpFile.size(); ++k)
        links.append({form.MenuHelpFile[k].caption, form.MenuHelpFile[k].tag});
    return links;
}

QString ModifiedTemplateOf(FormState& form)
{
    QStringList segments = form.TemplateSegments;
    const int last = form.screen.FieldCount() - 1;
    if (last >= 1 && last < segments.size() && segments[last].endsWith(kCrLf))
        segments[last].chop(kCrLf.size());
    return BackloadTemplateData(form.screen, segments, form.FieldNames, TemplateHelpLinks(form));
}

bool MenuFileSaveModified_Click(FormState& form)
{
    QString step = QStringLiteral("Save Modified File");
    bool saved = false;
    Reported(form.dialogs(), kReportTitle, step, [&] {
        form.ModifiedTemplate = ModifiedTemplateOf(form);
        if (form.ModifiedTemplate.isEmpty() || !AcceptSize(form))
            return;
        // The saved template replaces the markup on the screen: changes made there are saved
        // first when the user wants them.
        if (!SettleUnsavedTemplate(form))
            return;
        const QString oldName = form.FileName.text;
        const bool oldTemplateChanged = form.TemplateChanged;
        if (!MenuFileSave_Click(form, 2)) {
            if (form.FileName.tag == QLatin1String("Cancel"))
                form.FileName.tag.clear();
            return;  // cancelled, or the failed write was reported and changed nothing
        }
        saved = true;
        const QString path = form.FileName.text;
        CopyTileImages(form, path, step);

        step = QStringLiteral("Replace Modified Template");
        try {
            AsAppError([&] { ReplaceModifiedTemplate(form, path); });
        } catch (const AppError&) {
            // The markup still shows the template it showed: it keeps that name and its flag.
            form.FileName.text = oldName;
            form.FileName.tag.clear();
            form.TemplateChanged = oldTemplateChanged;
            throw;
        }
        form.ExportChanged = false;
        form.FileName.tag.clear();
        form.TemplateChanged = false;
    });
    form.NotifyChanged();
    return saved;
}

bool SaveEditFields(FormState& form)
{
    const QString step = QStringLiteral("Save EditFields");
    bool saved = false;
    Reported(form.dialogs(), QStringLiteral("Save Edited Defaults"), step, [&] {
        const QString text = QStringLiteral("The data field values that display in the Edit screen can be modified ") + kCrLf
            + QStringLiteral("and saved to a new template as new startup values. ") + kCrLf + kCrLf
            + QStringLiteral("This menu feature will obsolete the older save/get method and  ") + kCrLf
            + QStringLiteral("will allow more flexility and more auction variations per template. ") + kCrLf
            + QStringLiteral("Be sure to select a new file name for each modified template. ") + kCrLf
            + QStringLiteral("Templates saved this way can be loaded just like new templates. ") + kCrLf + kCrLf
            + QStringLiteral("Would you like to save your data to a new file now?");
        const MsgAnswer answer =
            form.dialogs().Message(QStringLiteral("Save Defaults"), text, MsgButtons::YesNoCancel, MsgIcon::Question);
        if (answer == MsgAnswer::Yes)
            saved = MenuFileSaveModified_Click(form);
    });
    return saved;
}
