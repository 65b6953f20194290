#include "TagColorSpans.h"

namespace {

struct TagPass {
    QStringView opening;
    QStringView closing;
    bool colorsValue;
};

constexpr TagPass kPasses[] = {
    {u"<varkit", u">", false},
    {u"</varkit", u">", false},
    {u"[varkit", u"]", true},
};

void AddPass(QStringView text, const TagPass& pass, ColorSpans& spans)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype p = text.indexOf(pass.opening, from, Qt::CaseInsensitive);
        if (p < 0)
            return;
        const qsizetype q = text.indexOf(pass.closing, p, Qt::CaseInsensitive);
        if (q < 0)
            return;
        const qsizetype end = q + pass.closing.size();
        spans.push_back({static_cast<int>(p), static_cast<int>(end - p), kTagColor});
        if (pass.colorsValue) {
            const qsizetype e = text.sliced(p, q - p).indexOf(u'=');
            if (e >= 0 && p + e + 1 < q)
                spans.push_back({static_cast<int>(p + e + 1), static_cast<int>(q - (p + e + 1)), kTagValueColor});
        }
        from = end;
    }
}

}  // namespace

ColorSpans TagColorSpans(QStringView text)
{
    ColorSpans spans;
    for (const TagPass& pass : kPasses)
        AddPass(text, pass, spans);
    return spans;
}
