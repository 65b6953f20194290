#pragma once
// The main window's state as the procedures see it: the template session (the template, its
// edit screen, the finished HTML, the services) and the window's own state (buttons, menus,
// screens, panels, layout), with the scanner's view of both. The widgets of src/ui draw this
// state and write what the user does back into it.
#include "WindowState.h"
#include "editscreen/TemplateSession.h"
#include "template/ScannerHost.h"

#include <functional>

class FormState : public TemplateSession, public WindowState, public ScannerHost {
    Q_OBJECT
public:
    FormState(Dialogs& dialogs, Shell& shell, Clipboard& clipboard, FileOps& files);

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
    Dialogs& dialogs() override { return TemplateSession::dialogs(); }

    // Closes the window (File > Exit); the window answers with its close request.
    std::function<void()> onCloseRequest;
    // Calls into procedures the window layer completes (layout needs the real window size).
    std::function<void()> onFormResize;
    // Puts the caret at the end of FileName and gives it the focus (the window does it).
    std::function<void()> onFocusFileName;

private:
    qint64 scanPosition_ = 0;
};
