#pragma once
// Small string procedures used across the program: a case-insensitive replace-all, a
// case-insensitive replace of delimited spans, trims and the folder part of a path. The replaces
// and Cleanup change the caller's text and also return the result; a failure (out of memory)
// reaches the caller, whose own error report names it.
#include <QString>

QString ReplaceAnyCase(QString& sourceString, const QString& findString, const QString& replace);
QString ReplaceAnyCaseBetween(QString& sourceString, const QString& findStart, const QString& findEnd,
                              const QString& replace);
// Removes blanks, carriage returns, line feeds and tabs at both ends.
QString Cleanup(QString& sentence);
// Removes spaces (only spaces: tabs and no-break spaces stay) at both ends.
QString TrimSpaces(const QString& text);
// The text without any of the given characters at either end.
QStringView TrimmedOf(QStringView text, QStringView characters);
// The folder part of a path with its trailing separator ("\" or "/"), or empty text.
QString ExtractDirectory(const QString& fileString);

// Letter case as the procedures above ignore it: every UTF-16 unit is replaced by its own upper
// case, so that a position in the result is the same position in the text ("\u00DF" stays one
// character, a dotless i becomes "I", the Kelvin sign stays itself).
QString UpperCased(const QString& text);
// True when the text ends in the tail, compared through UpperCased.
bool EndsWithAnyCase(QStringView text, QStringView tail);

// Convenience forms for callers that keep their own text.
inline QString ReplacedAnyCase(QString text, const QString& find, const QString& replace)
{
    return ReplaceAnyCase(text, find, replace);
}
inline QString CleanedUp(QString text)
{
    return Cleanup(text);
}
