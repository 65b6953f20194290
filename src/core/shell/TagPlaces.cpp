#include "TagPlaces.h"

#include "template/TagScanner.h"
#include "template/TemplateFile.h"

#include <algorithm>

namespace {

// The opener the scanner recognised last in what the call read.
qint64 TagStart(const QString& text, const TagPlace& place)
{
    const QStringView read = QStringView(text).sliced(place.callStart, place.callEnd - place.callStart);
    const QString& style = place.keyword.keyStyle;
    const QLatin1String opener = style == QLatin1String("EndGroup") ? QLatin1String("</varkit>")
        : style.startsWith(QLatin1String("StartGroup"))          ? QLatin1String("<varkit")
                                                                  : QLatin1String("[varkit");
    const qsizetype at = read.lastIndexOf(opener, -1, Qt::CaseInsensitive);
    return at < 0 ? -1 : place.callStart + at;
}

}  // namespace

QList<TagPlace> ScanTagPlaces(const QString& markup, const TextEncoding& encoding, ScannerHost& host)
{
    const QString lineBreak = QStringLiteral("\r\n");
    const QString text = markup + lineBreak;
    TemplateFile file = TemplateFile::FromText(text, encoding);
    file.SetAppendedBytes(EncodeText(lineBreak, {encoding.name, false}).size());
    QList<TagPlace> places;
    qint64 startLoc = 1;
    while (!file.AtEnd(startLoc)) {
        TagPlace place;
        place.callStart = startLoc - 1;
        FetchKeywords(file, startLoc, place.keyword, host);
        place.callEnd = qMin<qint64>(startLoc - 1, text.size());
        if (place.keyword.prompt == kScanError || host.CancelRequested())
            break;
        // Only the call that reads to the end finds no tag: a tag is always followed by the
        // line break appended above.
        if (!file.AtEnd(startLoc))
            place.tagStart = TagStart(text, place);
        places << place;
    }
    return places;
}

LineIndex::LineIndex(const QString& text)
{
    lineStarts_ << 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && (i + 1 >= text.size() || text[i + 1] != QLatin1Char('\n'))))
            lineStarts_ << i + 1;
    }
}

std::pair<int, int> LineIndex::At(qint64 offset) const
{
    const auto next = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    const qsizetype line = next - lineStarts_.begin();
    return {static_cast<int>(line), static_cast<int>(offset - lineStarts_[line - 1] + 1)};
}
