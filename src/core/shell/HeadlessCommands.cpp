#include "HeadlessCommands.h"

#include "FieldsReport.h"
#include "HeadlessSession.h"
#include "StartUp.h"
#include "TplAssociation.h"

#include <cstdio>

int RunFieldsCommand(const ProgramFolders& folders, const QString& templatePath)
{
    HeadlessSession session(folders);
    if (!session.Load(templatePath))
        return 2;
    const QByteArray json = FieldsReportJson(session.form());
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    std::fflush(stdout);
    return 0;
}

int RunAssociateCommand(const ProgramFolders& folders, const QString& programFile, FileAssociation& association)
{
    HeadlessSession session(folders);
    FormState& form = session.form();
    form.ProgramFile = programFile;
    form.SetAssociation(association);
    int mode = 1;
    AssociateTplFiles(form, mode);
    HideProgramFiles(form);
    mode = 0;
    AssociateTplFiles(form, mode);
    return mode == 0 ? 0 : 2;
}
