#pragma once
// The dialogs of a headless run: every box goes to standard error as "TITLE: TEXT", and every
// question takes the answer of the quiet dialogs, which deletes and writes nothing.
#include "QuietDialogs.h"

#include <cstdio>

class StderrDialogs : public QuietDialogs {
public:
    explicit StderrDialogs(FILE* stream = stderr) : stream_(stream) {}

    MsgAnswer Message(const QString& title, const QString& text, MsgButtons buttons, MsgIcon icon) override;
    std::optional<QString> Input(const QString& title, const QString& prompt, const QString& defaultText) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    std::optional<quint32> Color(quint32 initialColor) override;

    // How many standard error reports ("Error N: ...") were shown.
    int ErrorReports() const { return errorReports_; }
    // How many of them end what the window was doing. The reports of a field or option row, or
    // of the screen's layout, past the screen's vertical limit do not: the window goes on and
    // keeps the row.
    int StoppingReports() const { return stoppingReports_; }
    // Stopping reports and skipped include files: what makes one page of a batch fail.
    int PageFailures() const { return stoppingReports_ + includeErrors_; }
    // The last box counted by PageFailures, as "TITLE: TEXT".
    const QString& LastFailure() const { return lastFailure_; }

    // A line of its own that is no box (what a headless run left undone).
    void Note(const QString& line) { Write(line); }

    // Put before every line from now on ("row 3: ").
    void SetLinePrefix(const QString& prefix) { prefix_ = prefix; }

protected:
    // Writes one line; a subclass may keep the lines instead.
    virtual void Write(const QString& line);

private:
    FILE* stream_;
    QString prefix_;
    QString lastFailure_;
    int errorReports_ = 0;
    int stoppingReports_ = 0;
    int includeErrors_ = 0;
};
