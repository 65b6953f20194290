#include "ProgramRun.h"

#include "SpecialFiles.h"

#include <QProcess>

namespace {

ProgramRun Run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
               qint64 fileSizeLimit)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (fileSizeLimit > 0)
        process.setChildProcessModifier([fileSizeLimit] { FileSizeLimit::ApplyInChild(fileSizeLimit); });
    process.start(program, arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

}  // namespace

ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    return Run(program, arguments, environment, 0);
}

ProgramRun RunVarkit(const QStringList& arguments, const QProcessEnvironment& environment)
{
    return RunProgram(QStringLiteral(VARKIT_EXECUTABLE), arguments, environment);
}

ProgramRun RunVarkitOnAFullDisk(const QStringList& arguments, qint64 bytes)
{
    return Run(QStringLiteral(VARKIT_EXECUTABLE), arguments, QProcessEnvironment::systemEnvironment(), bytes);
}
