#pragma once
// Runs the built varkit program as a real process.
#include <QByteArray>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun RunVarkit(const QStringList& arguments);
