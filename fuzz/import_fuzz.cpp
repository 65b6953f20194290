// The headless import of a template file holding arbitrary bytes, as `varkit --fields` runs it:
// the import must leave the markup exactly as the file holds it, and the fields report must be
// valid JSON.
#include "FuzzSupport.h"
#include "shell/FieldsReport.h"
#include "shell/HeadlessSession.h"
#include "template/TemplateFile.h"

#include <QJsonDocument>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = InputBytes(data, size);
    const QString path = ScratchPath(QStringLiteral("import.tpl"));
    PutFile(path, bytes);
    HeadlessSession session(FuzzFolders(), QuietStream());
    session.Load(path);
    const FormState& form = session.form();
    if (bytes.size() > TemplateFile::kSizeLimit)
        return 0;  // refused as too big, which the scanner target covers
    Require(form.FileName.text == path, "the template was not read");
    const QByteArray kept = EncodeText(form.MarkupText.Text(), form.TemplateEncoding);
    Require(kept == bytes, "the markup after the import is not the file", bytes, kept);

    QJsonParseError error;
    QJsonDocument::fromJson(FieldsReportJson(form), &error);
    Require(error.error == QJsonParseError::NoError, "the fields report is not JSON");
    return 0;
}
