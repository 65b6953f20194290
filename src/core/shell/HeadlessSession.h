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
    // The boxes go to `dialogs` instead (which must outlive the session).
    HeadlessSession(const ProgramFolders& folders, StderrDialogs& dialogs);
    // ... and its files go through `files` (which must outlive the session too).
    HeadlessSession(const ProgramFolders& folders, StderrDialogs& dialogs, FileOps& files);

    // Fetches and imports the template; false (with the message on standard error) when the
    // template cannot be read or a report stopped its import. Reports after which the window's
    // import goes on (a row past the screen's vertical limit) are shown and the import stands.
    bool Load(const QString& templatePath);
    // Imports the template `window` shows on its markup screen, as it stands (changes not yet
    // saved included); the path and encoding stay the template's, for the files it names. False
    // when a report stopped the import.
    bool ImportMarkupOf(const TemplateSession& window);

    FormState& form() { return form_; }
    StderrDialogs& dialogs() { return dialogs_; }
    // Reports shown so far that stop what the window was doing.
    int StoppingReports() const { return dialogs_.StoppingReports(); }

private:
    void Begin(const ProgramFolders& folders);

    StderrDialogs ownDialogs_;
    StderrDialogs& dialogs_;
    NullShell shell_;
    BufferClipboard clipboard_;
    DiskFileOps files_;
    FormState form_;
};

// A command-line tool's own message on standard error: "varkit: " and the message.
void Complain(const QString& message);
