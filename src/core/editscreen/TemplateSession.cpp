#include "TemplateSession.h"

#include "text/TextUtilities.h"

TemplateSession::TemplateSession(Dialogs& dialogs, Shell& shell, Clipboard& clipboard)
    : dialogs_(dialogs), shell_(shell), clipboard_(clipboard)
{
    for (auto* list : {&TemplateSegments, &FieldNames})
        list->resize(kMaxFieldIndex + 1);
}

QStringList TemplateSession::CandidatePaths(const QString& thirdFolder, const QString& name) const
{
    return {ExtractDirectory(FileName.text) + name, ProgramFolder + name, thirdFolder + name, name};
}

void TemplateSession::SetProgramFolder(const QString& folder)
{
    ProgramFolder = folder;
    if (!ProgramFolder.isEmpty() && !ProgramFolder.endsWith(QLatin1Char('/')) && !ProgramFolder.endsWith(QLatin1Char('\\')))
        ProgramFolder += QLatin1Char('/');
    SettingsFile = ProgramFolder + QStringLiteral("varkit.ini");
    WorkFile = ProgramFolder + QStringLiteral("~varkit.tmp");
    PreviewFile = ProgramFolder + QStringLiteral("~tmpkit.htm");
    BackgroundsFolder = ProgramFolder + QStringLiteral("backgrounds/");
    TemplatesFolder = ProgramFolder + QStringLiteral("templates/");
}
