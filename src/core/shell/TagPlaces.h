#pragma once
// Where each tag of a template stands: the scanner run over the markup as the import runs it,
// one call per field, with the place of the tag each call found.
#include "platform/TextCodec.h"
#include "template/Keyword.h"
#include "template/ScannerHost.h"

#include <QList>

struct TagPlace {
    Keyword keyword;      // as the scanner gave it
    qint64 callStart = 0;  // what the call read: [callStart, callEnd), 0-based
    qint64 callEnd = 0;
    qint64 tagStart = -1;  // where its tag starts, -1 for the last call, which reads the text after the last tag
};

// The calls in order: call n (from 0) is field n + 1 of the import. The markup gets the line
// break the import appends.
QList<TagPlace> ScanTagPlaces(const QString& markup, const TextEncoding& encoding, ScannerHost& host);

// Line and column (both from 1) of a 0-based offset; any line-break style counts once.
class LineIndex {
public:
    explicit LineIndex(const QString& text);
    std::pair<int, int> At(qint64 offset) const;

private:
    QList<qint64> lineStarts_;
};
