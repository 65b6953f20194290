#include "TextUtilities.h"

#include "platform/AppError.h"
#include "platform/ReportSink.h"

namespace {

bool IsLayoutChar(QChar c)
{
    const char16_t u = c.unicode();
    return u == 32 || u == 13 || u == 10 || u == 9;
}

// Runs a body under the utility's own error report; on failure the result is empty text.
template <typename Body>
QString Reported(const QString& title, const QString& step, Body&& body)
{
    try {
        QString result;
        AsAppError([&] { result = body(); });
        return result;
    } catch (const AppError& error) {
        ShowErrorReport(ReportDialogs(), title, error, step);
        return QString();
    }
}

}  // namespace

QString ReplaceAnyCase(QString& sourceString, const QString& findString, const QString& replace)
{
    sourceString = Reported(QStringLiteral("Replace any Case"), QStringLiteral("Replace any Case"), [&] {
        if (findString.isEmpty())
            return sourceString;
        // The search runs on an upper-cased copy that is kept in step with the text. Each search
        // restarts at the front of the rebuilt text. No match can start before (match - find
        // length + 1), since that part of the text is unchanged and held none, so the search
        // resumes there: the same result as a restart at position 1, in linear time. A
        // replacement that holds the find text would recreate it forever; such a search goes
        // on after the inserted text instead.
        const QString upperFind = UpperCased(findString);
        const QString upperReplace = UpperCased(replace);
        const bool replaceRecreates = upperReplace.contains(upperFind);
        QString text = sourceString;
        QString upper = UpperCased(text);
        qsizetype from = 0;
        for (;;) {
            const qsizetype at = upper.indexOf(upperFind, from);
            if (at < 0)
                break;
            text.replace(at, findString.size(), replace);
            upper.replace(at, findString.size(), upperReplace);
            from = replaceRecreates ? at + replace.size() : qMax<qsizetype>(0, at - findString.size() + 1);
        }
        return text;
    });
    return sourceString;
}

QString ReplaceAnyCaseBetween(QString& sourceString, const QString& findStart, const QString& findEnd,
                              const QString& replace)
{
    sourceString = Reported(QStringLiteral("Replace any Case Between"), QStringLiteral("Replace any Case Betwen"), [&] {
        if (findStart.isEmpty())
            return sourceString;
        const QString upperStart = UpperCased(findStart);
        const QString upperEnd = UpperCased(findEnd);
        const QString upperReplace = UpperCased(replace);
        const bool replaceRecreates = upperReplace.contains(upperStart);
        QString text = sourceString;
        QString upper = UpperCased(text);
        qsizetype from = 0;
        for (;;) {
            const qsizetype start = upper.indexOf(upperStart, from);
            if (start < 0)
                break;
            const qsizetype end = upper.indexOf(upperEnd, start);
            if (end < 0 || findEnd.isEmpty())
                break;
            const qsizetype length = end + findEnd.size() - start;
            text.replace(start, length, replace);
            upper.replace(start, length, upperReplace);
            from = replaceRecreates ? start + replace.size() : qMax<qsizetype>(0, start - findStart.size() + 1);
        }
        return text;
    });
    return sourceString;
}

QString Cleanup(QString& sentence)
{
    sentence = Reported(QStringLiteral("Cleanup Sentence"), QStringLiteral("Cleanup Sentence"), [&] {
        qsizetype first = 0;
        qsizetype last = sentence.size();
        while (first < last && IsLayoutChar(sentence[first]))
            ++first;
        while (last > first && IsLayoutChar(sentence[last - 1]))
            --last;
        return sentence.mid(first, last - first);
    });
    return sentence;
}

QString ExtractDirectory(const QString& fileString)
{
    const qsizetype at = qMax(fileString.lastIndexOf(QLatin1Char('\\')), fileString.lastIndexOf(QLatin1Char('/')));
    if (at < 0)
        return QString();
    return fileString.left(at + 1);
}

namespace {

// ASCII needs no table; everything else goes through Qt's.
inline char16_t UpperUnit(char16_t u)
{
    if (u < 0x80)
        return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
    return QChar(u).toUpper().unicode();
}

}  // namespace

QString UpperCased(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        c = QChar(UpperUnit(c.unicode()));
    return upper;
}

bool EndsWithAnyCase(QStringView text, QStringView tail)
{
    if (tail.size() > text.size())
        return false;
    // From the end: a scanner asks this after every character, and the last one rarely matches.
    const qsizetype offset = text.size() - tail.size();
    for (qsizetype i = tail.size() - 1; i >= 0; --i)
        if (UpperUnit(text[offset + i].unicode()) != UpperUnit(tail[i].unicode()))
            return false;
    return true;
}

QString TrimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}
