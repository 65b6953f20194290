#include "BoxText.h"

#include <algorithm>

namespace {

constexpr char16_t kParagraph = 0x2029;

bool IsPairAt(QStringView text, qsizetype at)
{
    return at >= 0 && at + 1 < text.size() && text[at] == u'\r' && text[at + 1] == u'\n';
}

}  // namespace

QString DisplayOf(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            shown += QChar(kParagraph);
            if (IsPairAt(text, i))
                ++i;
        } else if (c == kParagraph || c == 0xFDD0 || c == 0xFDD1) {
            shown += QChar(QChar::ReplacementCharacter);
        } else {
            shown += QChar(c);
        }
    }
    return shown;
}

QString LineBreakOf(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsPairAt(text, i))
            return QStringLiteral("\r\n");
        if (text[i] == u'\r' || text[i] == u'\n')
            return QString(text[i]);
    }
    return QStringLiteral("\r\n");
}

void DocumentMap::Reset(QStringView text)
{
    pairs_.clear();
    for (qsizetype i = text.indexOf(u'\r'); i >= 0; i = text.indexOf(u'\r', i + 1))
        if (IsPairAt(text, i))
            pairs_.push_back(static_cast<int>(i));
}

void DocumentMap::Replace(QStringView text, int start, int removed, int inserted)
{
    // Pairs that had a character in the replaced span are gone (one that straddled its start or
    // end is split); the ones after it move; new ones can form anywhere from the character
    // before the span to its last new character.
    const auto first = std::lower_bound(pairs_.begin(), pairs_.end(), start - 1);
    const auto last = std::lower_bound(first, pairs_.end(), start + removed);
    const int shift = inserted - removed;
    std::vector<int> formed;
    for (int at = std::max(0, start - 1); at < start + inserted; ++at)
        if (IsPairAt(text, at))
            formed.push_back(at);
    std::for_each(last, pairs_.end(), [shift](int& at) { at += shift; });
    const auto at = pairs_.erase(first, last);
    pairs_.insert(at, formed.begin(), formed.end());
}

int DocumentMap::ToDocument(int offset) const
{
    // Pairs wholly before the offset each take one position less.
    const auto before = std::partition_point(pairs_.begin(), pairs_.end(), [offset](int at) { return at + 2 <= offset; });
    const int count = static_cast<int>(before - pairs_.begin());
    const bool inside = before != pairs_.end() && *before + 1 == offset;
    return offset - count - (inside ? 1 : 0);
}

int DocumentMap::ToText(int position) const
{
    // The k-th pair (from 0) stands at document position (its offset - k): count the pairs
    // before the position.
    int low = 0;
    int high = static_cast<int>(pairs_.size());
    while (low < high) {
        const int middle = (low + high) / 2;
        if (pairs_[static_cast<size_t>(middle)] - middle < position)
            low = middle + 1;
        else
            high = middle;
    }
    return position + low;
}
