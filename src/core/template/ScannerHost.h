#pragma once
// The window-level state the tag scanner touches: the loading flag that the close request
// reads, the import button whose tag "Abort" asks the scan to stop, the "code size:" label,
// the event loop and the dialogs for its error report.
class Dialogs;
#include <QtGlobal>

class ScannerHost {
public:
    virtual ~ScannerHost() = default;
    virtual bool CancelRequested() const = 0;
    virtual void SetTemplateLoading(bool loading) = 0;
    virtual void ShowCodeSize(qint64 position) = 0;
    // Called after every character; the host lets pending events run time-sliced.
    virtual void LetEventsRunSoon() = 0;
    // Called once per tag.
    virtual void LetEventsRun() = 0;
    virtual Dialogs& dialogs() = 0;
};
