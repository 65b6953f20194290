#include "ColorcodeMarkup.h"

#include "TagColorSpans.h"
#include "editscreen/TemplateSession.h"
#include "platform/AppError.h"

void ColorcodeMarkup(TemplateSession& session, const QString& text)
{
    const QString step = QStringLiteral("Colorizing Markup Tags");
    Reported(session.dialogs(), QStringLiteral("Colorcode Markup"), step, [&] {
        RichTextBox& box = session.MarkupText;
        if (text.isEmpty()) {
            box.PaintColors(0, box.Length(), kPlainTextColor, TagColorSpans(box.Text()));
            return;
        }
        const int start = box.SelStart();
        const int length = static_cast<int>(text.size());
        if (box.SelText() == text)
            box.Select(start + length, 0);
        else
            box.SetSelText(text);
        ColorSpans spans = TagColorSpans(text);
        for (ColorSpan& span : spans)
            span.start += start;
        box.PaintColors(start, length, kPlainTextColor, spans);
    });
}
