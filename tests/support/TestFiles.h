#pragma once
// Writing and reading the files a test sets up, without the program's own file layer (the
// tests check that layer, so they must not lean on it).
#include "platform/ProgramFolders.h"

#include <QByteArray>
#include <QString>

// Writes the bytes, making the folders on the way; returns the path.
QString WriteTestFile(const QString& path, const QByteArray& bytes);
// The file's bytes, or `missing` when it cannot be read.
QByteArray ReadTestFile(const QString& path, const QByteArray& missing = QByteArray("<missing>"));

// Points HOME and the XDG folders into the build folder, so that nothing a test forgets to point
// elsewhere (nor the programs it starts) reaches the real user's files.
void KeepTestsAtHome();

// The program's folders for a test: `programFolder`, with the user's data and settings folders
// below it in home/data and home/config.
ProgramFolders TestFolders(const QString& programFolder);
UserHomes TestHomes(const QString& programFolder);
