#include "ProgramRun.h"

#include <QProcess>

ProgramRun RunVarkit(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VARKIT_EXECUTABLE), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}
