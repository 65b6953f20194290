#include "TextUtilities.h"

#include <vector>

QString ReplaceAnyCase(QString& sourceString, const QString& findString, const QString& replace)
{
    if (findString.isEmpty())
        return sourceString;
    // Every replacement is made at the first match of the text as it then stands, as if each
    // search began again at the front. The result is written once, left to right: `out` holds
    // the finished front, which contains no match, so the next match can only end after it, at
    // a character still to be added; characters come from the source, or from a replacement
    // whose text could form a match with what stands before or after it. A replacement that
    // holds the find text would recreate it forever; the search goes on after it instead.
    const QString upperSource = UpperCased(sourceString);
    const QString upperFind = UpperCased(findString);
    const QString upperReplace = UpperCased(replace);
    const bool replaceRecreates = upperReplace.contains(upperFind);
    const qsizetype size = sourceString.size();
    const qsizetype findSize = findString.size();
    QString out;
    QString upperOut;
    out.reserve(size);
    upperOut.reserve(size);
    qsizetype next = 0;      // the next source character to add
    qsizetype barrier = 0;   // no match starts before this offset of out
    qsizetype straight = 0;  // how many of out's last characters came straight from the source
    std::vector<qsizetype> pending;  // replacements still being added: how far each was read
    const auto replaceMatch = [&] {
        const qsizetype at = out.size() - findSize;
        out.truncate(at);
        upperOut.truncate(at);
        straight = 0;
        if (replaceRecreates) {
            out += replace;
            upperOut += upperReplace;
            barrier = out.size();
        } else if (!replace.isEmpty()) {
            pending.push_back(0);
        }
    };
    for (;;) {
        if (pending.empty() && straight >= findSize - 1) {
            // The text ahead is the source's own, with the last (find length - 1) characters of
            // out: the next match is the source's next one from there, found in one search.
            const qsizetype at = upperSource.indexOf(upperFind, next - (findSize - 1));
            const qsizetype end = at < 0 ? size : at + findSize;
            out += QStringView(sourceString).sliced(next, end - next);
            upperOut += QStringView(upperSource).sliced(next, end - next);
            next = end;
            if (at < 0)
                break;
            replaceMatch();
            continue;
        }
        QChar upper;
        if (!pending.empty()) {
            qsizetype& read = pending.back();
            out += replace[read];
            upper = upperReplace[read];
            if (++read == replace.size())
                pending.pop_back();
            straight = 0;
        } else if (next < size) {
            out += sourceString[next];
            upper = upperSource[next++];
            ++straight;
        } else {
            break;
        }
        upperOut += upper;
        const qsizetype at = upperOut.size() - findSize;
        if (at >= barrier && upper == upperFind.back() && QStringView(upperOut).sliced(at) == upperFind)
            replaceMatch();
    }
    sourceString = out;
    return sourceString;
}

namespace {

// Where `pattern` first stands at or after offset `begin` of the text made of `front` and then
// `source` from `from` on; -1 for nowhere. The front is short; the source is searched once.
qsizetype FindAcross(QStringView front, QStringView source, qsizetype from, QStringView pattern, qsizetype begin)
{
    const qsizetype frontSize = front.size();
    if (begin < frontSize) {
        const qsizetype inFront = front.indexOf(pattern, begin);
        if (inFront >= 0)
            return inFront;
        // A match that begins in the front and ends in the source.
        for (qsizetype k = qMax(begin, frontSize - pattern.size() + 1); k < frontSize; ++k) {
            const qsizetype head = frontSize - k;
            const qsizetype tail = pattern.size() - head;
            if (source.size() - from >= tail && front.sliced(k) == pattern.first(head)
                && source.sliced(from, tail) == pattern.sliced(head))
                return k;
        }
        begin = frontSize;
    }
    const qsizetype at = source.indexOf(pattern, from + begin - frontSize);
    return at < 0 ? -1 : frontSize + at - from;
}

}  // namespace

QString ReplaceAnyCaseBetween(QString& sourceString, const QString& findStart, const QString& findEnd,
                              const QString& replace)
{
    if (findStart.isEmpty() || findEnd.isEmpty())
        return sourceString;
    // Every span is replaced at the first start of the text as it then stands, as if each search
    // began again at the front. The result is written once, left to right: `out` holds the
    // finished front, in which a start can begin only in its last (start length - 1)
    // characters; `ahead` the text that stands between it and the next source character (a
    // replacement, or what followed a span that ended before the source). A replacement that
    // holds the start string would recreate it forever; the search goes on after it instead.
    const QString upperSource = UpperCased(sourceString);
    const QString upperStart = UpperCased(findStart);
    const QString upperEnd = UpperCased(findEnd);
    const QString upperReplace = UpperCased(replace);
    const bool replaceRecreates = upperReplace.contains(upperStart);
    QString out;
    QString upperOut;
    out.reserve(sourceString.size());
    upperOut.reserve(sourceString.size());
    QString ahead;
    QString upperAhead;
    qsizetype next = 0;     // the next source character to add
    qsizetype barrier = 0;  // no start begins before this offset of out
    for (;;) {
        // The text still open to a start: the end of out, what is ahead, then the source.
        const qsizetype kept = qMax(barrier, out.size() - findStart.size() + 1);
        const QString front = out.sliced(kept) + ahead;
        const QString upperFront = upperOut.sliced(kept) + upperAhead;
        const qsizetype start = FindAcross(upperFront, upperSource, next, upperStart, 0);
        // The end may overlap the start string: its search begins where the start does.
        const qsizetype end = start < 0 ? -1 : FindAcross(upperFront, upperSource, next, upperEnd, start);
        if (end < 0)
            break;
        const qsizetype cut = end + findEnd.size();
        // Out takes what stands before the span; what follows it in the front stays ahead.
        out.truncate(kept);
        upperOut.truncate(kept);
        out += QStringView(front).first(qMin(start, front.size()));
        upperOut += QStringView(upperFront).first(qMin(start, front.size()));
        if (start > front.size()) {
            out += QStringView(sourceString).sliced(next, start - front.size());
            upperOut += QStringView(upperSource).sliced(next, start - front.size());
        }
        ahead = cut < front.size() ? front.sliced(cut) : QString();
        upperAhead = cut < front.size() ? upperFront.sliced(cut) : QString();
        if (cut > front.size())
            next += cut - front.size();
        if (replaceRecreates) {
            out += replace;
            upperOut += upperReplace;
            barrier = out.size();
        } else {
            ahead.prepend(replace);
            upperAhead.prepend(upperReplace);
        }
    }
    out += ahead;
    out += QStringView(sourceString).sliced(next);
    sourceString = out;
    return sourceString;
}

QString Cleanup(QString& sentence)
{
    sentence = TrimmedOf(sentence, u" \r\n\t").toString();
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

QStringView TrimmedOf(QStringView text, QStringView characters)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && characters.contains(text[first]))
        ++first;
    while (last > first && characters.contains(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

QString TrimSpaces(const QString& text)
{
    return TrimmedOf(text, u" ").toString();
}
