#pragma once
// A window-less session for the command line: the same form state and procedures as the
// window, with boxes going to standard error and nothing opened on the desktop. Its scratch
// file lives in the form's private temporary folder, so runs in parallel do not meet.
#include "FormState.h"
#include "platform/DiskFileOps.h"
#include "platform/NullServices.h"
#include "platform/StderrDialogs.h"

class HeadlessSession {
public:
    // The boxes go to `boxes` (standard error unless a caller wants them elsewhere).
    explicit HeadlessSession(const ProgramFolders& folders, FILE* boxes = stderr);

    // Fetches and imports the template; false (with the message on standard error) when the
    // template cannot be read or its import failed.
    bool Load(const QString& templatePath);

    FormState& form() { return form_; }
    // Standard error reports shown so far.
    int ErrorReports() const { return dialogs_.ErrorReports(); }

private:
    StderrDialogs dialogs_;
    NullShell shell_;
    BufferClipboard clipboard_;
    DiskFileOps files_;
    FormState form_;
};
