// Make HTML with arbitrary values. The input is a template, then after a NUL byte the values of
// its fields in order, each ended by a NUL byte; values past the last field answer the
// sections' "include" boxes in order (an empty value clears one). The values go in as
// `varkit --export` puts them ("--set @N=VALUE", "--include @N=yes|no").
#include "FuzzSupport.h"
#include "html/MakeHtml.h"
#include "shell/ExportCommand.h"
#include "shell/HeadlessSession.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts = SplitInput(InputBytes(data, size), 1 << 16);
    const QString path = ScratchPath(QStringLiteral("make.tpl"));
    PutFile(path, parts[0]);
    HeadlessSession session(FuzzFolders(), QuietStream());
    if (!session.Load(path))
        return 0;
    FormState& form = session.form();

    ExportRequest request;
    const int fields = form.screen.FieldCount();
    const int groups = form.screen.GroupCount();
    for (qsizetype p = 1; p < parts.size(); ++p) {
        const QString value = DecodeText(parts[p]).text;
        const int n = static_cast<int>(p);
        if (n < fields)
            request.sets << ExportRequest::Setting{QLatin1Char('@') + QString::number(n), value};
        else if (n - fields + 1 < groups)
            request.includes << ExportRequest::Setting{QLatin1Char('@') + QString::number(n - fields + 1),
                                                       value.isEmpty() ? QStringLiteral("no") : QStringLiteral("yes")};
    }
    QString error;
    Require(ApplyExportSettings(form, request, error), "a value for a field that exists was refused");

    MakeHtml(form);
    const QString& html = form.HTMLtext.Text();
    Require(html.isEmpty() || html.endsWith(kVarKitAssisted + QStringLiteral("\r\n\r\n")),
            "the page does not end with its closing lines", {}, html.right(80).toUtf8());
    // Writing the page must not fail on any character it holds.
    EncodeText(html, form.TemplateEncoding);
    return 0;
}
