#pragma once
// A table of rows as spreadsheets write it: fields split by commas or semicolons (whichever the
// header line uses more), quoted fields that may hold separators, doubled quotes and line
// breaks, any line-break style. The bytes are UTF-8 (with or without a byte order mark) when they
// are valid UTF-8, else windows-1252.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct CsvRow {
    int line = 0;  // the line of the file the row starts on, from 1
    QStringList fields;
};

struct CsvTable {
    QStringList header;
    QList<CsvRow> rows;
    QChar separator = QLatin1Char(',');
};

// The text of the bytes, as the table reads them.
QString DecodeCsvBytes(const QByteArray& bytes);

// The table; empty (and "line N: what is wrong", N the line the row starts on, in `error`) when a row is malformed: a quoted
// field not closed, text after a closing quote, a quote inside an unquoted field, or a row with
// another number of fields than the header. Blank lines hold no row.
std::optional<CsvTable> ParseCsv(const QString& text, QString& error);
