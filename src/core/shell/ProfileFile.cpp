#include "ProfileFile.h"

#include "ProfileEncoding.h"
#include "ProfileTextCache.h"

#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"
#include "text/TextUtilities.h"

#include <optional>
#include <vector>

namespace {

// What the profile functions trim around names and values.
QStringView TrimBlanks(QStringView text)
{
    return TrimmedOf(text, u" \t\r\v\f");
}

// What the raw text after "=" reads as: trimmed, then one pair of matching quotes taken off.
QStringView ValueAsRead(QStringView raw)
{
    QStringView value = TrimBlanks(raw);
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value;
}

bool SameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString CutTo(QStringView text, int maxChars)
{
    if (maxChars <= 0)
        return {};
    if (text.size() <= maxChars)
        return text.toString();
    qsizetype length = maxChars;
    if (text[length - 1].isHighSurrogate())
        --length;
    return text.first(length).toString();
}

enum class LineKind { Blank, Comment, Section, Key, Other };

struct Line {
    qsizetype start = 0;  // index of the line's first character
    qsizetype next = 0;   // index just after its line break (the next line's start)
    LineKind kind = LineKind::Other;
    QStringView name;     // section or key name, trimmed
    QStringView value;    // key lines: the raw text after "="
};

// A byte order mark shows as U+FEFF, or as these three characters when the rest of the file
// was not UTF-8 and it decoded as windows-1252.
QStringView SkipByteOrderMark(QStringView line)
{
    if (line.startsWith(u'\uFEFF'))
        return line.sliced(1);
    if (line.startsWith(u"\u00EF\u00BB\u00BF"))
        return line.sliced(3);
    return line;
}

Line ParseLine(QStringView text, qsizetype start, qsizetype end, qsizetype next)
{
    Line line;
    line.start = start;
    line.next = next;
    QStringView content = text.sliced(start, end - start);
    if (start == 0)
        content = SkipByteOrderMark(content);
    const QStringView trimmed = TrimBlanks(content);  // also drops the CR of a CR LF
    if (trimmed.isEmpty()) {
        line.kind = LineKind::Blank;
    } else if (trimmed.front() == u';') {
        line.kind = LineKind::Comment;
    } else if (trimmed.front() == u'[') {
        const qsizetype close = trimmed.indexOf(u']');
        if (close > 0) {
            line.kind = LineKind::Section;
            line.name = TrimBlanks(trimmed.sliced(1, close - 1));
        }
    } else if (const qsizetype equals = trimmed.indexOf(u'='); equals > 0) {
        line.name = TrimBlanks(trimmed.first(equals));
        line.value = trimmed.sliced(equals + 1);
        line.kind = LineKind::Key;
    }
    return line;
}

// Walks the lines of a text without copying them. Only LF ends a line; a CR before it is part
// of the line break, a lone CR is an ordinary character.
class LineCursor {
public:
    explicit LineCursor(QStringView text) : text_(text) {}

    bool Next(Line& line)
    {
        if (pos_ >= text_.size())
            return false;
        const qsizetype lf = text_.indexOf(u'\n', pos_);
        const qsizetype end = lf < 0 ? text_.size() : lf;
        line = ParseLine(text_, pos_, end, lf < 0 ? text_.size() : lf + 1);
        pos_ = line.next;
        return true;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// Calls visit(line) for every line after the header of the first section named `section`, up
// to the next header.
template <typename Visit>
void ForEachLineOfSection(QStringView text, QStringView section, Visit&& visit)
{
    LineCursor cursor(text);
    Line line;
    bool inSection = false;
    while (cursor.Next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection)
                return;
            inSection = SameName(line.name, section);
        } else if (inSection && !visit(line)) {
            return;
        }
    }
}

std::optional<QString> ReadText(FileOps& files, const QString& path)
{
    return CachedProfileText(files, path, kProfileReadLimit);
}

// The value as the file should hold it, so that it reads back as itself.
QString WrittenValue(const QString& value)
{
    qsizetype bodyEnd = value.size();
    while (bodyEnd > 0 && (value[bodyEnd - 1] == u'\r' || value[bodyEnd - 1] == u'\n'))
        --bodyEnd;
    const QStringView body = QStringView(value).first(bodyEnd);
    if (ValueAsRead(body).size() == body.size())
        return value;
    QString quoted;
    quoted.reserve(value.size() + 2);
    quoted.append(u'"').append(body).append(u'"').append(QStringView(value).sliced(bodyEnd));
    return quoted;
}

// The number of lines the line breaks at the end of a value make.
qsizetype TrailingLineBreaks(const QString& value)
{
    qsizetype count = 0;
    for (qsizetype i = value.size() - 1; i >= 0 && (value[i] == u'\r' || value[i] == u'\n'); --i)
        count += value[i] == u'\n' ? 1 : 0;
    return count;
}

// The text with `key` set in `section` (see WriteProfileValue for the rules).
QString TextWithValue(const QString& text, QStringView section, QStringView key, const QString& value)
{
    std::vector<Line> lines;
    LineCursor cursor(text);
    for (Line line; cursor.Next(line);)
        lines.push_back(line);
    const QString written = WrittenValue(value);
    const auto record = [&](QStringView name) {
        QString line;
        line.reserve(name.size() + written.size() + 3);
        return line.append(name).append(u'=').append(written).append(u"\r\n");
    };
    // The text with `insert` put in place of the characters from..to.
    const auto splice = [&](qsizetype from, qsizetype to, QStringView insert) {
        QString result;
        result.reserve(text.size() - (to - from) + insert.size());
        return result.append(QStringView(text).first(from)).append(insert).append(QStringView(text).sliced(to));
    };

    size_t header = 0;
    while (header < lines.size()
           && !(lines[header].kind == LineKind::Section && SameName(lines[header].name, section)))
        ++header;
    if (header == lines.size()) {
        QString added;
        if (!text.isEmpty() && !text.endsWith(u'\n'))
            added += u"\r\n";
        for (const Line& line : lines) {
            if (line.kind != LineKind::Blank) {
                added += u"\r\n";
                break;
            }
        }
        added.append(u'[').append(section).append(u"]\r\n").append(record(key));
        return splice(text.size(), text.size(), added);
    }

    size_t end = header + 1;
    while (end < lines.size() && lines[end].kind != LineKind::Section)
        ++end;
    const bool sectionFollows = end < lines.size();
    // The empty lines a value's line breaks make are its own, never the separator before the
    // next section: a record with such lines that would stand right before the next header gets
    // a separator as well. Otherwise the next write would take the value's empty line for the
    // separator and add another one.
    const auto separator = [&](size_t next) {
        const bool beforeHeader = sectionFollows && next == end;
        return beforeHeader && TrailingLineBreaks(value) > 0 ? QStringLiteral("\r\n") : QString();
    };

    for (size_t k = header + 1; k < end; ++k) {
        if (lines[k].kind != LineKind::Key || !SameName(lines[k].name, key))
            continue;
        size_t after = k + 1;
        for (qsizetype breaks = TrailingLineBreaks(value); breaks > 0; --breaks) {
            if (after >= end || lines[after].kind != LineKind::Blank || (sectionFollows && after + 1 == end))
                break;
            ++after;
        }
        return splice(lines[k].start, lines[after - 1].next, record(lines[k].name) + separator(after));
    }

    // A new key: at the end of the section, before the blank line that separates it from the
    // next section.
    size_t at = end;
    if (sectionFollows && lines[end - 1].kind == LineKind::Blank)
        at = end - 1;
    const qsizetype pos = at < lines.size() ? lines[at].start : text.size();
    const bool needsBreak = pos == text.size() && !text.endsWith(u'\n');
    return splice(pos, pos, (needsBreak ? QStringLiteral("\r\n") : QString()) + record(key) + separator(at));
}

bool ValidSectionName(QStringView name)
{
    return !name.isEmpty() && !name.contains(u']') && !name.contains(u'\r') && !name.contains(u'\n');
}

bool ValidKeyName(QStringView name)
{
    return !name.isEmpty() && !name.contains(u'=') && !name.contains(u'\r') && !name.contains(u'\n')
        && name.front() != u';' && name.front() != u'[';
}

}  // namespace

QString GetPrivateProfileString(FileOps& files, const QString& section, const QString& key, const QString& defaultValue,
                                const QString& path, int maxChars)
{
    const std::optional<QString> text = ReadText(files, path);
    if (!text)
        return CutTo(defaultValue, maxChars);
    const QStringView wantedKey = TrimBlanks(key);
    std::optional<QStringView> found;
    ForEachLineOfSection(*text, TrimBlanks(section), [&](const Line& line) {
        if (line.kind == LineKind::Key && SameName(line.name, wantedKey))
            found = ValueAsRead(line.value);
        return !found;
    });
    if (!found)
        return CutTo(defaultValue, maxChars);
    QStringView value = *found;
    if (const qsizetype nul = value.indexOf(QChar(u'\0')); nul >= 0)
        value = value.first(nul);
    return CutTo(value, maxChars);
}

QStringList ProfileSectionKeys(FileOps& files, const QString& section, const QString& path)
{
    QStringList keys;
    const std::optional<QString> text = ReadText(files, path);
    if (!text)
        return keys;
    ForEachLineOfSection(*text, TrimBlanks(section), [&](const Line& line) {
        if (line.kind == LineKind::Key && !keys.contains(line.name, Qt::CaseInsensitive))
            keys.append(line.name.toString());
        return true;
    });
    return keys;
}

void WriteProfileValues(FileOps& files, const QString& section, const QList<std::pair<QString, QString>>& values, const QString& path)
{
    const QStringView sectionName = TrimBlanks(section);
    if (!ValidSectionName(sectionName))
        throw AppError(ErrorNumber::InvalidCall);
    for (const auto& [key, value] : values)
        if (!ValidKeyName(TrimBlanks(key)))
            throw AppError(ErrorNumber::InvalidCall);
    AsAppError([&] {
        // The file that is there, in whatever case its name is written on disk.
        const QString target = ResolvePath(path);
        QByteArray bytes;
        try {
            bytes = ReadFileBytes(files, target, kProfileReadLimit);
        } catch (const AppError& error) {
            if (error.number() != ErrorNumber::FileNotFound)
                throw;
        }
        const DecodedText old = DecodeText(bytes);
        QString text = old.text;
        for (const auto& [key, value] : values)
            text = TextWithValue(text, sectionName, TrimBlanks(key), value);
        // The next read decodes what was written, as it reads back.
        ForgetProfileText(target);
        WriteFileBytes(files, target, EncodedToReadBack(text, old.encoding, IsAscii(bytes)));
    });
}

void WriteProfileValue(FileOps& files, const QString& section, const QString& key, const QString& value, const QString& path)
{
    WriteProfileValues(files, section, {{key, value}}, path);
}

bool WritePrivateProfileString(FileOps& files, const QString& section, const QString& key, const QString& value,
                               const QString& path)
{
    try {
        WriteProfileValue(files, section, key, value, path);
        return true;
    } catch (const AppError&) {
        return false;
    }
}
