#pragma once
// A form state on scripted dialogs, with its program folder in a fresh temporary folder.
#include "FaultyFiles.h"
#include "ScriptedDialogs.h"
#include "platform/NullServices.h"
#include "shell/FormState.h"

#include <QTemporaryDir>
#include <memory>

class FormFixture {
public:
    FormFixture();

    FormState& form() { return *form_; }
    EditScreen& screen() { return form_->screen; }
    ScriptedDialogs& dialogs() { return dialogs_; }
    BufferClipboard& clipboard() { return clipboard_; }
    FaultyFiles& files() { return files_; }
    QString folder() const { return folder_.path() + QLatin1Char('/'); }

    // Writes a file below the program folder (bytes as given) and returns its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) const;
    // Writes the template, fetches and imports it.
    void Import(const QByteArray& templateBytes, const QString& name = QStringLiteral("test.tpl"));

private:
    QTemporaryDir folder_;
    ScriptedDialogs dialogs_;
    NullShell shell_;
    BufferClipboard clipboard_;
    FaultyFiles files_;
    std::unique_ptr<FormState> form_;
};
