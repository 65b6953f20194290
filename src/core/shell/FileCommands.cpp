#include "FileCommands.h"

#include "BatchWindowCommand.h"
#include "FormState.h"
#include "ImportTemplate.h"
#include "ResetTemplateState.h"
#include "ScreenCommands.h"
#include "SaveQuestions.h"
#include "ScreenTag.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "text/TextUtilities.h"

#include <QFileInfo>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString OwnName(const QString& path)
{
    const QString folder = ExtractDirectory(path);
    return path.mid(folder.size());
}

// The export's suggested name: the template's own name with ".htm", in the template's folder;
// for a template that is itself such a page, a name beside it.
QString ExportSuggestion(const QString& templatePath)
{
    if (templatePath.isEmpty())
        return QString();
    const QString path = ToNativeSeparators(templatePath);
    const QString folder = ExtractDirectory(path);
    QString stem = OwnName(path);
    if (const qsizetype dot = stem.lastIndexOf(QLatin1Char('.')); dot > 0)
        stem.truncate(dot);
    const QString suggestion = folder + stem + QStringLiteral(".htm");
    return SameFile(suggestion, templatePath) ? folder + stem + QStringLiteral("_code.htm") : suggestion;
}

void ClearTemplate(FormState& form)
{
    form.FileName.text.clear();
    form.MarkupText.SetText(QString());
    form.HTMLtext.SetText(QString());
    form.TemplateEncoding = TextEncoding::Utf8;
    form.ExportChanged = form.TemplateChanged = false;
    // The sizes shown are those of the empty template.
    form.FileSize = form.EditSize = form.MarkupSize = QStringLiteral("0");
    ResetTemplateState(form, 0);
    form.FileMenuEnabled = true;
    form.screen.NotifyReset();
}

}  // namespace

QString SaveDialogName(const QString& chosen, int filterIndex)
{
    const QString name = OwnName(chosen);
    if (!name.contains(QLatin1Char('.'))) {
        if (filterIndex == 1)
            return chosen + QStringLiteral(".htm");
        if (filterIndex == 2)
            return chosen + QStringLiteral(".txt");
        return chosen;
    }
    // A doubled extension ("listing.htm.htm") loses its last part; "shop.v2.htm" and a folder
    // with a dot in its name are left alone.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = name.mid(dot);
    const QString stem = name.left(dot);
    if (extension.size() > 1 && stem.endsWith(extension, Qt::CaseInsensitive) && stem.size() > extension.size())
        return chosen.left(chosen.size() - extension.size());
    return chosen;
}

void GetFilename(FormState& form, QString& action, int kind, QString& fileName, const QString& keepFile)
{
    const QString step = QStringLiteral("Get Filename");
    const bool ran = Reported(form.dialogs(), QStringLiteral("Open/Save Filename"), step, [&] {
        QString& folder = kind == 4 ? form.DialogFolders.kind4 : form.DialogFolders.general;
        if (folder.isEmpty())
            folder = form.folders.Program();
        FileDialogRequest request;
        request.save = action != QLatin1String("OPEN");
        request.title = action + (kind == 2 ? QStringLiteral(" Template File") : QStringLiteral(" HTML File"));
        request.filter = kFileDialogFilter;
        request.filterIndex = kind;
        request.folder = folder;
        request.fileName = fileName;
        for (;;) {
            const FileDialogResult result = form.dialogs().FileDialog(request);
            if (result.path.isEmpty()) {
                action = QStringLiteral("CANCEL");
                form.FileName.tag = QStringLiteral("Cancel");
                return;
            }
            QString chosen = result.path;
            if (request.save) {
                chosen = SaveDialogName(chosen, result.filterIndex);
                if (!AcceptSaveName(form, request.title, chosen, keepFile)) {
                    request.folder = ExtractDirectory(chosen);  // the dialog again, where the user was
                    request.filterIndex = result.filterIndex;
                    continue;
                }
            }
            folder = ExtractDirectory(chosen);
            fileName = chosen;
            return;
        }
    });
    if (!ran)
        action = QStringLiteral("CANCEL");
}

FileMenuState FileMenuFor(const FormState& form)
{
    FileMenuState menu;
    const Screen screen = ScreenOf(form);
    const bool edit = screen == Screen::Edit || screen == Screen::Blowup;
    const bool markup = IsMarkupScreen(screen);
    menu.open = edit || markup;
    menu.clear = menu.save = menu.saveAs = markup;
    menu.saveModified = edit && form.screen.DataScrollInsertVisible;
    menu.saveWeb = screen == Screen::Export;
    menu.batch = screen != Screen::Blowup && BatchAvailable(form);
    return menu;
}

void MenuFile_Click(FormState& form)
{
    form.FileMenu = FileMenuFor(form);
    form.NotifyChanged();
}

void MenuFileOpen_Click(FormState& form, int index)
{
    const QString step = index == 1 ? QStringLiteral("Clear Template") : QStringLiteral("Open Template");
    Reported(form.dialogs(), QStringLiteral("Open/Clear Template"), step, [&] {
        if (!SettleUnsavedWork(form))
            return;
        if (index == 1) {
            ClearTemplate(form);
            return;
        }
        QString action = QStringLiteral("OPEN");
        QString name;
        GetFilename(form, action, 2, name);
        if (action == QLatin1String("CANCEL")) {
            form.FileName.tag = QStringLiteral("Cancel");
            return;
        }
        if (LoadTemplate(form, name))
            form.ExportChanged = false;
    });
    form.NotifyChanged();
}

bool MenuFileSave_Click(FormState& form, int index)
{
    const QString step = QStringLiteral("Save File");
    bool saved = false;
    Reported(form.dialogs(), QStringLiteral("Save Filename"), step, [&] {
        bool ask = form.FileName.text.isEmpty() || index == 1 || index == 2;
        for (;;) {
            QString path = form.FileName.text;
            if (ask) {
                QString action = QStringLiteral("SAVE");
                GetFilename(form, action, 2, path);
                if (action == QLatin1String("CANCEL")) {
                    form.FileName.tag = QStringLiteral("Cancel");
                    return;
                }
                form.FileName.tag = QStringLiteral("Saving");
            }
            // The text is written as it stands, to its last character: a template opened
            // and saved keeps every byte, its ending included. Without a dialog the name is
            // the file the markup was read from, found the same way; a name the user chose
            // is written exactly as chosen.
            const QString target = ask ? path : ResolvePath(path);
            const QString text = index == 2 ? form.ModifiedTemplate : form.MarkupText.Text();
            try {
                WriteTextFile(form.files(), target, text, form.TemplateEncoding);
            } catch (const AppError& error) {
                if (error.number() == ErrorNumber::PermissionDenied) {
                    form.dialogs().Message(QStringLiteral("File Error"),
                                           QStringLiteral("Existing template may be protected. ") + kCrLf
                                               + QStringLiteral("Choose a new file name. "),
                                           MsgButtons::Ok, MsgIcon::Exclamation);
                    ask = true;  // as Save Template As does
                    continue;
                }
                form.dialogs().Message(QStringLiteral("File Error"), QStringLiteral("File Save Error. "), MsgButtons::Ok,
                                       MsgIcon::Exclamation);
                form.FileName.tag.clear();
                return;
            }
            form.FileName.text = path;
            if (index != 2)
                form.FileName.tag.clear();
            form.FileSize = QString::number(QFileInfo(ToNativeSeparators(target)).size());
            form.TemplateChanged = false;
            saved = true;
            return;
        }
    });
    form.NotifyChanged();
    return saved;
}

bool MenuFileSaveWeb_Click(FormState& form)
{
    const QString step = QStringLiteral("Save As Auction File");
    const QString templatePath = form.FileName.text;
    bool saved = false;
    const bool ran = Reported(form.dialogs(), QStringLiteral("Save Filename"), step, [&] {
        QString action = QStringLiteral("SAVE");
        QString path = ExportSuggestion(templatePath);
        GetFilename(form, action, 1, path, templatePath);
        if (action == QLatin1String("CANCEL")) {
            form.FileName.tag = QStringLiteral("Cancel");
            return;
        }
        form.FileName.tag = QStringLiteral("Saving");
        form.FileName.text = path;
        try {
            WriteTextFile(form.files(), path, form.HTMLtext.Text(), form.TemplateEncoding);
        } catch (const AppError&) {
            ReportExportNotSaved(form.dialogs(), path);
            form.FileName.tag.clear();
            form.FileName.text = templatePath;
            return;  // ExportChanged stays set: the export is still unsaved
        }
        form.FileSize = QString::number(QFileInfo(ToNativeSeparators(path)).size());
        form.FileName.tag.clear();
        form.ExportChanged = false;
        form.FileName.text = templatePath;
        saved = true;
    });
    if (!ran)
        form.FileName.text = templatePath;
    form.NotifyChanged();
    return saved;
}

void MenuFileExit_Click(FormState& form)
{
    if (form.onCloseRequest)
        form.onCloseRequest();
}

bool Form_QueryUnload(FormState& form)
{
    const QString step = QStringLiteral("Request Close Program");
    bool keepOpen = false;
    const bool ran = Reported(form.dialogs(), QStringLiteral("Query Unload"), step, [&] {
        // The whole import counts, not only the scan: the window stays until it has cleaned up.
        if (form.TemplateLoading || form.ImportRunning) {
            form.dialogs().Message(QStringLiteral("Template File"),
                                   QStringLiteral("A Template is Loading.") + kCrLf + QStringLiteral("Please cancel before quitting."),
                                   MsgButtons::Ok, MsgIcon::Exclamation);
            TabTop_Click(form, 0);
            keepOpen = true;
            return;
        }
        if (!form.MarkupText.Text().isEmpty() && form.TemplateChanged) {
            const MsgAnswer answer = AskToSave(form, QStringLiteral("Template File"), QStringLiteral("Save changes to current TEMPLATE "),
                                               QStringLiteral("before quitting?"));
            if (answer == MsgAnswer::Cancel
                || (answer == MsgAnswer::Yes && !MenuFileSave_Click(form, 0))) {
                keepOpen = true;
                return;
            }
        }
        if (!form.HTMLtext.Text().isEmpty() && form.ExportChanged) {
            const MsgAnswer answer = AskToSave(form, QStringLiteral("HTML File"), QStringLiteral("Save changes to HTML Export File "),
                                               QStringLiteral("before quitting?"));
            if (answer == MsgAnswer::Cancel
                || (answer == MsgAnswer::Yes && !MenuFileSaveWeb_Click(form)))
                keepOpen = true;
        }
    });
    return keepOpen || !ran;
}

bool FileName_OLEDragOver(const QStringList& files)
{
    if (files.isEmpty())
        return false;
    const QString ending = files.first().right(4).toUpper();
    return ending == QLatin1String(".HTM") || ending == QLatin1String("HTML") || ending == QLatin1String(".TXT")
        || ending == QLatin1String(".TPL");
}

void FileName_OLEDragDrop(FormState& form, const QStringList& files)
{
    const QString step = QStringLiteral("Drop FileName");
    Reported(form.dialogs(), QStringLiteral("Load Source File"), step, [&] {
        if (files.isEmpty() || !SettleUnsavedWork(form))
            return;
        if (LoadTemplate(form, files.first()))
            form.ExportChanged = false;
    });
    form.NotifyChanged();
}
