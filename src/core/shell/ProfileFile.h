#pragma once
// The settings file (varkit.ini) and the prior-choices files are INI files that a Windows copy of
// the program reads and writes as well, so they are handled with the behaviour of the Windows
// profile-string functions, one key at a time. The file is read whole on every call.
//
// Format as read:
// - Lines end in CR LF or LF. A line whose first non-blank character is ";" is a comment.
// - "[name]" starts a section (text after the "]" is ignored; a line with "[" and no "]" is no
//   header). "key=value" is a key: the name is the text before the first "=", both trimmed of
//   blanks and tabs. Lines before the first header belong to no section and are never found.
// - Section and key names match in any letter case, and the names passed in are trimmed.
// - Only the first section of a name counts: a later section of the same name is never searched,
//   even when the first one lacks the key, and writes go to the first one too. Inside a section
//   the first key of a name wins.
// - A value is trimmed of blanks and tabs, then one pair of matching double or single quotes
//   around it is removed (so `" x "` reads as " x "). It ends at a NUL character.
// - A UTF-8 byte order mark before the first line is skipped, whether the file decoded as UTF-8
//   or as windows-1252.
#include "platform/FileOps.h"

#include <QString>
#include <QList>
#include <QStringList>
#include <utility>

// Settings and prior-choices files are read up to this size; a larger one counts as unreadable.
constexpr qint64 kProfileReadLimit = 32 * 1024 * 1024;

// The value of `key` in `section` of the file at `path`, cut to `maxChars` characters (a pair of
// UTF-16 surrogates is never split; maxChars <= 0 gives an empty text). `defaultValue`, cut the
// same way, when the file, the section or the key is missing, or the file cannot be read for any
// reason (a folder, no permission, larger than kProfileReadLimit, out of memory). Never throws.
QString GetPrivateProfileString(FileOps& files, const QString& section, const QString& key, const QString& defaultValue,
                                const QString& path, int maxChars);

// The key names of the first section named `section`, in file order, each name once (spelled as
// at its first occurrence). Empty when the file or the section is missing. Never throws.
QStringList ProfileSectionKeys(FileOps& files, const QString& section, const QString& path);

// Sets `key` in `section` of the file at `path`; throws AppError on failure, and the file on disk
// is then left exactly as it was (the new text goes through QSaveFile):
// 5 for an empty section or key name, a section name holding "]" or a line break, or a key name
// holding "=" or a line break or starting with ";" or "["; 70 when the file or its folder is
// read-only; 53/70/75 when an existing file cannot be read, 6 when it is larger than
// kProfileReadLimit (it is never overwritten blind);
// 75 for any other failure to write.
//
// - The first matching key line of the first matching section is replaced by "key=value"
//   (the key spelled as it was in the file). A missing key is added at the end of its section:
//   after the section's last line, except that when another section follows, the section's
//   last blank line stays the separator before it. A missing section is added at the end of
//   the file, after one blank line when the file holds anything. A missing file is created.
// - Every line written ends in CR LF; lines not touched keep their bytes, line ends included.
// - The value goes into the file verbatim, line breaks included, so a value ending in CR LF
//   leaves an empty line after its key. When such a key is replaced, as many blank lines right
//   after it as the new value ends in line breaks are taken to be the ones the previous write
//   left and are replaced too (never the blank line directly before the next section header),
//   so writing the same value twice gives the same file. Those empty lines are the value's own:
//   a key whose value ends in a line break, written right before the next section header, is
//   followed by one more empty line that separates the sections. A line break inside a value makes the
//   rest of it a line of its own: it reads back as its first line only.
// - A value that would not read back as itself (blanks or tabs at either end, or a pair of
//   quotes around it) is written in double quotes; line breaks at its end stay outside them.
// - The file keeps the encoding it was read in (see TextCodec.h). A plain-ASCII file, and a new
//   file, stays windows-1252 unless the text holds a character that code page lacks; then it
//   becomes UTF-8. A file holding windows-1252 letters keeps its code page and a character
//   outside it is written as a numeric character reference, as everywhere in the program. A
//   file whose bytes would be read as another encoding next time (windows-1252 letters that
//   happen to form UTF-8) is written as UTF-8 instead, so that every value reads back as
//   written.
void WriteProfileValue(FileOps& files, const QString& section, const QString& key, const QString& value, const QString& path);

// Several keys of one section in one write: the file is read once, every key is set as
// WriteProfileValue sets it, in order, and the result replaces the file at once (a failure
// leaves it as it was, with none of the keys changed).
void WriteProfileValues(FileOps& files, const QString& section, const QList<std::pair<QString, QString>>& values, const QString& path);

// WriteProfileValue that reports failure by returning false instead of throwing, the way the
// Windows function does. True when the file was written.
bool WritePrivateProfileString(FileOps& files, const QString& section, const QString& key, const QString& value,
                               const QString& path);
