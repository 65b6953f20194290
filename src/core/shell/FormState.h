#pragma once
// The main window's state as the procedures see it: the static controls they read and write
// (captions, tags, texts, enabled states), the two rich-text boxes, the generated edit screen,
// the form-level flags and paths, and the platform services. The widgets of src/ui draw this
// state and write what the user does back into it.
#include "editscreen/EditScreen.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Shell.h"
#include "platform/TextCodec.h"
#include "shell/RichTextBox.h"
#include "template/ScannerHost.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

struct CommandButtonState {
    QString caption;
    QString tag;
    QString toolTip;
    bool enabled = true;
    bool visible = true;
};

struct TextBoxState {
    QString text;
    QString tag;
    bool enabled = true;
    bool visible = true;
};

struct MenuItemState {
    QString caption;
    QString tag;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
};

class FormState : public QObject, public ScannerHost {
    Q_OBJECT
public:
    FormState(Dialogs& dialogs, Shell& shell, Clipboard& clipboard);

    // Fixes ProgramFolder (ending in "/") and the paths derived from it.
    void SetProgramFolder(const QString& folder);

    // ScannerHost
    bool CancelRequested() const override { return Button[4].tag == QLatin1String("Abort"); }
    void SetTemplateLoading(bool loading) override { TemplateLoading = loading; }
    void ShowCodeSize(qint64 position) override { EditSize = QString::number(position); }
    void LetEventsRunSoon() override { pump.Tick(); }
    void LetEventsRun() override { pump.MaybeRun(); }
    Dialogs& dialogs() override { return dialogs_; }

    Shell& shell() { return shell_; }
    Clipboard& clipboard() { return clipboard_; }

    // Tells the window that static controls changed (captions, enabled states, labels).
    void NotifyChanged() { emit stateChanged(); }

    EventPump pump;

    // Paths fixed at start-up.
    QString ProgramFolder;
    QString SettingsFile;
    QString WorkFile;
    QString PreviewFile;
    QString BackgroundsFolder;
    QString TemplatesFolder;
    int ProfileBufferSize = 5000;

    // Flags.
    bool ImportRunning = false;
    bool ImportAbort = false;
    bool TemplateLoading = false;
    bool TemplateChanged = false;
    bool ExportChanged = false;

    // Static controls.
    TextBoxState FileName;
    std::array<CommandButtonState, 13> Button;
    bool FileMenuEnabled = true;
    QString MenuEditTag = QStringLiteral("markup");
    QString WindowCaption = QStringLiteral(" VarKit");
    QString MarkupSize;  // "code size:" of the markup screen
    QString FileSize;    // "file size:"
    QString EditSize;    // "code size:" of the edit screen
    QString HtmlSize;    // "html size:"

    RichTextBox MarkupText;
    RichTextBox HTMLtext;
    bool HTMLframeVisible = false;
    // The encoding the current template was read in; its saves and exports use it.
    TextEncoding TemplateEncoding = TextEncoding::Utf8;

    EditScreen screen;
    // Indexed by field index, 0 to 5000.
    QStringList TemplateSegments;
    QStringList FieldNames;
    static constexpr int kMaxFieldIndex = 5000;

    // Settings.
    QString StartupTemplate;
    QString SplashLogo;
    bool MarkupLocked = false;
    std::array<QString, 27> HelpCaptions;
    std::array<QString, 27> HelpLinks;

    // The Help menu's item array; the built-in items come first.
    std::vector<MenuItemState> MenuHelpFile;
    int HelpMenuFixedCount = 0;
    int HelpMenuSettingsCount = 0;
    bool MenuBarHelpVisible = true;

    // The tag buttons' single-step undo.
    int UndoStart = -1;
    QString UndoOldText;
    QString UndoNewText;

    // Calls into procedures the window layer completes (layout needs the real window size).
    std::function<void()> onFormResize;

signals:
    void stateChanged();

private:
    Dialogs& dialogs_;
    Shell& shell_;
    Clipboard& clipboard_;
};
