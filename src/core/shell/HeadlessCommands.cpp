#include "HeadlessCommands.h"

#include "FieldsReport.h"
#include "HeadlessSession.h"

#include <cstdio>

int RunFieldsCommand(const QString& programFolder, const QString& templatePath)
{
    HeadlessSession session(programFolder);
    if (!session.Load(templatePath))
        return 2;
    const QByteArray json = FieldsReportJson(session.form());
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    std::fflush(stdout);
    return 0;
}
