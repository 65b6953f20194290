#include "ProgramRun.h"

#include <QProcess>

ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

ProgramRun RunVarkit(const QStringList& arguments, const QProcessEnvironment& environment)
{
    return RunProgram(QStringLiteral(VARKIT_EXECUTABLE), arguments, environment);
}
