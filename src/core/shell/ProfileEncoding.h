#pragma once

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QList>
#include <QString>

// How the settings file is encoded when it is written back.

bool IsAscii(const QByteArray& bytes);

// The file's text in the encoding it had, or in one the next read takes for the same text.
QByteArray EncodedToReadBack(const QString& text, const TextEncoding& encoding, bool wasAscii);
