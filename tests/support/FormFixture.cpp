#include "FormFixture.h"

#include "shell/ImportTemplate.h"
#include "shell/ScreenTag.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FormFixture::FormFixture() : form_(std::make_unique<FormState>(dialogs_, shell_, clipboard_, files_))
{
    form_->folders = TestFolders(folder_.path());
    SetScreen(*form_, Screen::Edit);
}

QString FormFixture::WriteFile(const QString& name, const QByteArray& bytes) const
{
    return WriteTestFile(folder() + name, bytes);
}

void FormFixture::Import(const QByteArray& templateBytes, const QString& name)
{
    form_->FileName.text = WriteFile(name, templateBytes);
    FetchTemplate(*form_, form_->FileName.text);
    ImportTemplate(*form_);
}
