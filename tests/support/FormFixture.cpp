#include "support/TestFiles.h"
#include "FormFixture.h"

#include "template/ImportTemplate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FormFixture::FormFixture() : form_(std::make_unique<FormState>(dialogs_, shell_, clipboard_))
{
    form_->SetProgramFolder(folder_.path());
    form_->MenuEditTag = QStringLiteral("edit");
}

QString FormFixture::WriteFile(const QString& name, const QByteArray& bytes) const
{
    return WriteTestFile(folder() + name, bytes);
}

void FormFixture::Import(const QByteArray& templateBytes, const QString& name)
{
    form_->FileName.text = WriteFile(name, templateBytes);
    FetchTemplate(*form_);
    ImportTemplate(*form_);
}
