#pragma once
// Everything the program asks the user goes through this interface: the Qt implementation
// shows real dialogs, the headless one writes to standard error, the tests script the answers.
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    bool save = false;
    QString title;
    // Classic filter text: "Web Files (*.HTM)|*.htm;*.html|All Files (*.*)|*.*".
    QString filter;
    int filterIndex = 1;  // 1-based entry of the filter that starts selected
    QString folder;
    QString fileName;     // suggested name
    bool folderOnly = false;  // chooses an existing folder instead of a file
};

struct FileDialogResult {
    QString path;         // empty when cancelled
    int filterIndex = 1;  // the filter entry that was selected when the dialog closed
};

// A box that shows how far a long piece of work has come, with a Cancel button. It appears only
// once the work has taken longer than a moment, and goes away when the object is destroyed.
class ProgressBox {
public:
    virtual ~ProgressBox() = default;
    // `done` of the total finished so far; false once the user pressed Cancel.
    virtual bool Advance(int done) = 0;
};

struct PopupItem {
    QString caption;
    bool enabled = true;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MsgAnswer Message(const QString& title, const QString& text, MsgButtons buttons, MsgIcon icon) = 0;
    // The one-line input box; an empty optional when cancelled.
    virtual std::optional<QString> Input(const QString& title, const QString& prompt, const QString& defaultText) = 0;
    virtual FileDialogResult FileDialog(const FileDialogRequest& request) = 0;
    // The colour dialog, preset to a colour value 0x00BBGGRR; the chosen value, or empty when cancelled.
    virtual std::optional<quint32> Color(quint32 initialColor) = 0;
    // A pop-up menu at the mouse, titled as a menu of its own; the index of the chosen item, or
    // -1 when none was chosen.
    virtual int Popup(const QString& title, const QList<PopupItem>& items) = 0;
    // A progress box for work of `total` steps. Unless a kind of dialogs shows one, the work
    // runs to its end unseen.
    virtual std::unique_ptr<ProgressBox> Progress(const QString& title, const QString& label, int total);
};
