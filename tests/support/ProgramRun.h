#pragma once
// Runs the built varkit program (or an installed copy) as a real process.
#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun RunVarkit(const QStringList& arguments,
                     const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment);
// The program with every file it writes kept below `bytes`, so that its writes fail as they
// fail on a full disk.
ProgramRun RunVarkitOnAFullDisk(const QStringList& arguments, qint64 bytes);
