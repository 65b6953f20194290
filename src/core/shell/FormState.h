#pragma once
// The main window's state as the procedures see it: the static controls they read and write
// (captions, tags, texts, enabled states), the two rich-text boxes, the generated edit screen,
// the form-level flags and paths, and the platform services. The widgets of src/ui draw this
// state and write what the user does back into it.
#include "editscreen/EditScreen.h"
#include "html/ColorEditor.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Shell.h"
#include "platform/TextCodec.h"
#include "shell/AdvancedSettings.h"
#include "shell/FileCommands.h"
#include "shell/RichTextBox.h"
#include "shell/WindowLayout.h"
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

    // Where a file a template names (a tile, an include) is looked for, in order: the
    // template's folder, the program folder, `thirdFolder`, and the name as it stands.
    QStringList CandidatePaths(const QString& thirdFolder, const QString& name) const;

    // ScannerHost
    bool CancelRequested() const override { return Button[4].tag == QLatin1String("Abort"); }
    void SetTemplateLoading(bool loading) override { TemplateLoading = loading; }
    // The "code size:" label follows the scan; the number is written out once per tag, not
    // once per character.
    void ShowCodeSize(qint64 position) override { scanPosition_ = position; }
    void LetEventsRunSoon() override { pump.Tick(); }
    void LetEventsRun() override
    {
        EditSize = QString::number(scanPosition_);
        pump.MaybeRun();
    }
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

    // File commands and the Advanced Settings panel.
    FileMenuState FileMenu;
    FileDialogFolders DialogFolders;
    QString ModifiedTemplate;
    AdvancedSettingsState AdvSettings;
    bool MenuHelpSettingsActionEnabled = true;
    // Closes the window (File > Exit); the window answers with its close request.
    std::function<void()> onCloseRequest;

    // Calls into procedures the window layer completes (layout needs the real window size).
    std::function<void()> onFormResize;

    // The window's screens and panels
    // Geometry of the static frames in twips, and the window's inner size (Form_Resize).
    WindowLayoutModel layout;
    int TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;
    // The tab captions 0 (EDIT), 1 (MARKUP) and 4 (EXPORT): tool tips and the bars under them.
    std::array<QString, 5> TabTopToolTip{QStringLiteral("Click to make changes to Data Fields."),
                                         QStringLiteral("Click to Modify Template code."), {}, {},
                                         QStringLiteral("Click to view HTML code -- Dbl-click to view Browser.")};
    std::array<quint32, 5> ColorLineColor{0xD0F0F0, 0xC8C8D8, 0, 0, 0xD0E0D0};  // the idle colours
    // The three screen frames stand on top of each other: each is shown or hidden, and the
    // shown one with the highest stacking number is in front.
    bool DescFrameVisible = true;
    bool MarkupFrameVisible = true;
    int DescFrameZ = 1;
    int MarkupFrameZ = 2;
    int HTMLframeZ = 0;
    int FrameZCounter = 2;
    bool MenuEditEnabled = true;
    // MenuFind(0..2) and FindButton(1..2) are enabled together.
    bool FindEnabled = false;
    // The enlarged field editor: shown or not, the index of its field (tag), its text.
    struct BlowupState {
        bool visible = false;
        QString tag;
        QString text;
    } Blowup;
    // The tag-button row of the markup screen and the splash logo over the markup text.
    std::array<TagButtonState, 41> TagButton = DefaultTagButtons();
    bool TagButtonFrameVisible = true;
    bool TagButtonFrameEnabled = true;
    bool CustomLogoVisible = false;
    QImage CustomLogoPicture;
    // "Create Designer Private Label File ...": disabled until the settings file was read.
    MenuItemState MenuHelpSettingsDes{QStringLiteral("Create Designer Private Label File ..."), {}, false, true, false};
    ColorEditorState EditColor;
    // Puts the caret at the end of FileName and gives it the focus (the window does it).
    std::function<void()> onFocusFileName;

signals:
    void stateChanged();

private:
    qint64 scanPosition_ = 0;
    Dialogs& dialogs_;
    Shell& shell_;
    Clipboard& clipboard_;
};
