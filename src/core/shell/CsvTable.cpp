#include "CsvTable.h"

#include "platform/TextCodec.h"

#include <QStringDecoder>

namespace {

const QChar kQuote = QLatin1Char('"');

bool IsLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The separator the header line uses more: a semicolon only when it has more of them.
QChar DetectSeparator(const QString& text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == kQuote)
            quoted = !quoted;
        else if (!quoted && IsLineBreak(c))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

class Reader {
public:
    Reader(const QString& text, QChar separator) : text_(text), separator_(separator) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    int Line() const { return line_; }
    // The line now starts with a line break (or the text ends): a blank line.
    bool AtBlankLine() const { return AtEnd() || IsLineBreak(text_[pos_]); }
    void SkipLineBreak()
    {
        if (text_[pos_] == QLatin1Char('\r') && pos_ + 1 < text_.size() && text_[pos_ + 1] == QLatin1Char('\n'))
            ++pos_;
        ++pos_;
        ++line_;
    }

    // Reads the record that starts here, through its line break. False (and the reason) when
    // it is malformed.
    bool ReadRecord(QStringList& fields, QString& error)
    {
        fields.clear();
        for (;;) {
            QString field;
            if (!(AtEnd() || text_[pos_] != kQuote ? ReadPlain(field, error) : ReadQuoted(field, error)))
                return false;
            fields << field;
            if (AtEnd())
                return true;
            if (IsLineBreak(text_[pos_])) {
                SkipLineBreak();
                return true;
            }
            ++pos_;  // the separator
        }
    }

private:
    bool ReadPlain(QString& field, QString& error)
    {
        const qsizetype start = pos_;
        while (!AtEnd() && text_[pos_] != separator_ && !IsLineBreak(text_[pos_])) {
            if (text_[pos_] == kQuote) {
                error = QStringLiteral("a quote inside a field that does not start with one");
                return false;
            }
            ++pos_;
        }
        field = text_.mid(start, pos_ - start);
        return true;
    }

    bool ReadQuoted(QString& field, QString& error)
    {
        ++pos_;
        for (;;) {
            if (AtEnd()) {
                error = QStringLiteral("a quoted field is not closed");
                return false;
            }
            const QChar c = text_[pos_++];
            if (c == kQuote) {
                if (!AtEnd() && text_[pos_] == kQuote) {
                    field += kQuote;
                    ++pos_;
                    continue;
                }
                break;
            }
            // A line break inside quotes belongs to the field as written.
            if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && (AtEnd() || text_[pos_] != QLatin1Char('\n'))))
                ++line_;
            field += c;
        }
        if (!AtEnd() && text_[pos_] != separator_ && !IsLineBreak(text_[pos_])) {
            error = QStringLiteral("text after the closing quote of a field");
            return false;
        }
        return true;
    }

    const QString& text_;
    QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

QString LineError(int line, const QString& what)
{
    return QStringLiteral("line ") + QString::number(line) + QStringLiteral(": ") + what;
}

}  // namespace

QString DecodeCsvBytes(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QString latin;
    latin.reserve(bytes.size());
    for (const char byte : bytes)
        latin += Windows1252Char(static_cast<unsigned char>(byte));
    return latin;
}

std::optional<CsvTable> ParseCsv(const QString& text, QString& error)
{
    CsvTable table;
    table.separator = DetectSeparator(text);
    Reader reader(text, table.separator);
    bool haveHeader = false;
    while (!reader.AtEnd()) {
        if (reader.AtBlankLine()) {
            reader.SkipLineBreak();
            continue;
        }
        CsvRow row;
        row.line = reader.Line();
        QString what;
        if (!reader.ReadRecord(row.fields, what)) {
            error = LineError(row.line, what);
            return std::nullopt;
        }
        if (!haveHeader) {
            table.header = row.fields;
            haveHeader = true;
            continue;
        }
        if (row.fields.size() != table.header.size()) {
            error = LineError(row.line, QString::number(row.fields.size()) + QStringLiteral(" fields where the header has ")
                                            + QString::number(table.header.size()));
            return std::nullopt;
        }
        table.rows << row;
    }
    if (!haveHeader) {
        error = LineError(1, QStringLiteral("no header line naming the fields"));
        return std::nullopt;
    }
    return table;
}
