#pragma once
// One template being worked on, without any window: the file it came from (the file-name box),
// its text on the markup screen with the encoding it was read in, the edit screen built from it
// with the segments and global names of its tags, the finished HTML, the import flags, the
// program's folders, a private temporary folder and the platform services. The core procedures, the headless commands and
// the window all work on it; the window's own state lies beside it in FormState.
#include "EditScreen.h"
#include "TextBoxState.h"
#include "TileMenuState.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/FileAssociation.h"
#include "platform/ProgramFolders.h"
#include "platform/FileOps.h"
#include "platform/Shell.h"
#include "platform/TextCodec.h"
#include "text/RichTextBox.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

class TemplateSession : public QObject {
    Q_OBJECT
public:
    TemplateSession(Dialogs& dialogs, Shell& shell, Clipboard& clipboard, FileOps& files);

    // Where a file a template names (a tile, an include) is looked for, in order: the
    // template's folder, the user's and the program folder, their `subFolder`, and the name as
    // it stands.
    QStringList CandidatePaths(const QString& subFolder, const QString& name) const;

    Dialogs& dialogs() { return dialogs_; }
    Shell& shell() { return shell_; }
    Clipboard& clipboard() { return clipboard_; }
    // The .tpl association: none until the program sets the desktop's.
    FileAssociation& association() { return *association_; }
    void SetAssociation(FileAssociation& association) { association_ = &association; }
    FileOps& files() { return files_; }

    // Tells the window that static controls changed (captions, enabled states, labels).
    void NotifyChanged() { emit stateChanged(); }

    EventPump pump;

    // The program folder, the user's folders and the settings file (fixed at start-up).
    ProgramFolders folders;
    // The executable, absolute: what the .tpl association starts.
    QString ProgramFile;
    // The import's scratch file and the preview file, in a private temporary folder of this
    // session that goes away with it.
    QString WorkFile;
    QString PreviewFile;
    int ProfileBufferSize = 5000;

    // Flags.
    bool ImportRunning = false;
    bool ImportAbort = false;
    bool TemplateLoading = false;
    bool TemplateChanged = false;
    bool ExportChanged = false;

    // The file-name box: the template's path.
    TextBoxState FileName;
    // The size labels.
    QString MarkupSize;  // "code size:" of the markup screen
    QString FileSize;    // "file size:"
    QString EditSize;    // "code size:" of the edit screen
    QString HtmlSize;    // "html size:"

    RichTextBox MarkupText;
    RichTextBox HTMLtext;
    // The encoding the current template was read in; its saves and exports use it.
    TextEncoding TemplateEncoding = TextEncoding::Utf8;

    EditScreen screen;
    // Indexed by field index, 0 to 5000.
    QStringList TemplateSegments;
    QStringList FieldNames;
    static constexpr int kMaxFieldIndex = 5000;

    // The tag buttons' single-step undo. Offsets reach 65,535 and more, so the start is an int.
    int UndoStart = -1;
    QString UndoOldText;
    QString UndoNewText;
    // A key-down handler took a chord: the key-press that follows it types nothing.
    bool KeySwallowed = false;
    // The tile pop-up menu.
    TileMenuState MenuTiles;
    // The template "Save Edited Data fields" builds from the edit screen.
    QString ModifiedTemplate;

signals:
    void stateChanged();

private:
    Dialogs& dialogs_;
    Shell& shell_;
    Clipboard& clipboard_;
    FileOps& files_;
    NullAssociation noAssociation_;
    FileAssociation* association_ = &noAssociation_;
    QTemporaryDir scratchFolder_;
};
