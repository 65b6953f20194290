#pragma once
// What every fuzz target shares: the application object, a private scratch folder (on tmpfs
// when there is one) that stands in for the user's folders and the program folder, the split
// of an input into parts, and the check that ends the run when a promise is broken.
#include "platform/ProgramFolders.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstdio>

// Makes the application and the scratch folder, once. HOME, XDG_DATA_HOME, XDG_CONFIG_HOME and
// TMPDIR point into the scratch folder, so nothing of the real user's is read or written.
void StartFuzzing();

// A path in the scratch folder.
QString ScratchPath(const QString& name);
// The program folder and user folders of the scratch folder; the program folder ships
// templates/include.htm for the include tags of the seeds.
const ProgramFolders& FuzzFolders();
// Where the boxes of a headless session go: nowhere.
FILE* QuietStream();

// The input as bytes.
QByteArray InputBytes(const uint8_t* data, size_t size);
// The parts of an input separated by NUL bytes: the first `parts - 1` separators split, the
// last part keeps the rest. Fewer parts when the input holds fewer separators.
QList<QByteArray> SplitInput(const QByteArray& input, int parts);

// Writes the bytes to the file, replacing it.
void PutFile(const QString& path, const QByteArray& bytes);

// Ends the run with the message when `holds` is false: libFuzzer keeps the input as a crash.
void Require(bool holds, const char* what, const QByteArray& expected = {}, const QByteArray& actual = {});
