#include "TemplateSession.h"

#include "text/TextUtilities.h"

#include <QDir>

TemplateSession::TemplateSession(Dialogs& dialogs, Shell& shell, Clipboard& clipboard, FileOps& files)
    : dialogs_(dialogs), shell_(shell), clipboard_(clipboard), files_(files), scratchFolder_(QDir::tempPath() + QStringLiteral("/varkit-XXXXXX"))
{
    // Two windows, or a window and a command-line run, never share a scratch file. Without a
    // temporary folder the paths stay empty and the import reports its failure to write.
    if (scratchFolder_.isValid()) {
        WorkFile = scratchFolder_.filePath(QStringLiteral("~varkit.tmp"));
        PreviewFile = scratchFolder_.filePath(QStringLiteral("~tmpkit.htm"));
    }
    for (auto* list : {&TemplateSegments, &FieldNames})
        list->resize(kMaxFieldIndex + 1);
}

QStringList TemplateSession::CandidatePaths(const QString& subFolder, const QString& name) const
{
    return QStringList{ExtractDirectory(FileName.text) + name} + folders.Candidates(name) + folders.Candidates(subFolder + name)
        + QStringList{name};
}
