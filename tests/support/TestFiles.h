#pragma once
// Writing and reading the files a test sets up, without the program's own file layer (the
// tests check that layer, so they must not lean on it).
#include <QByteArray>
#include <QString>

// Writes the bytes, making the folders on the way; returns the path.
QString WriteTestFile(const QString& path, const QByteArray& bytes);
// The file's bytes, or `missing` when it cannot be read.
QByteArray ReadTestFile(const QString& path, const QByteArray& missing = QByteArray("<missing>"));
