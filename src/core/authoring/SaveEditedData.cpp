#include "SaveEditedData.h"

#include "editscreen/EditScreen.h"
#include "text/TextUtilities.h"

#include <algorithm>

namespace {

const QString kInlineOpener = QStringLiteral("[VarKit");
const QString kTwoBlanks = QStringLiteral("  ");

bool HasOptionSet(const TextBoxControl& box)
{
    return !box.tag.isEmpty() && box.tag != QLatin1String("0") && !box.text.contains(QLatin1Char('|'));
}

// The section a section opener at field i stands for: the one recorded on the first field
// inside it; an opener that ends the template has none after it, and the sections are then
// counted (the n-th opener made the n-th section).
int SectionOf(const EditScreen& screen, int i, int openersSoFar)
{
    if (i + 1 < screen.FieldCount()) {
        bool ok = false;
        const int g = screen.Field(i + 1).DataButton.tag.toInt(&ok);
        if (ok && g >= 1 && g < screen.GroupCount())
            return g;
    }
    return openersSoFar < screen.GroupCount() ? openersSoFar : 0;
}

QStringView WithoutLeadingBlanks(const QString& text)
{
    qsizetype k = 0;
    while (k < text.size() && text[k] == QLatin1Char(' '))
        ++k;
    return QStringView(text).sliced(k);
}

QString HelpLinkOf(const QString& caption, const QList<TemplateHelpLink>& helpLinks)
{
    const QString wanted = TrimSpaces(caption);
    for (auto item = helpLinks.crbegin(); item != helpLinks.crend(); ++item)
        if (TrimSpaces(item->caption) == wanted)
            return item->link;
    return QString();
}

struct Rebuild {
    const EditScreen& screen;
    const std::vector<std::vector<int>>& rows;
    const QStringList& names;
    const QList<TemplateHelpLink>& helpLinks;
    QString& out;
    int openers = 0;

    QString Value(int i) const
    {
        const TextBoxControl& box = screen.Field(i).DataField;
        if (HasOptionSet(box) && static_cast<size_t>(i) < rows.size() && !rows[static_cast<size_t>(i)].empty())
            return OptionListValue(screen, rows[static_cast<size_t>(i)]);
        return TagSafeValue(box.text);
    }

    const QString& Name(int i) const
    {
        static const QString none;
        return i < names.size() ? names[i] : none;
    }

    void Inline(const QString& style, const QString& body)
    {
        out += kInlineOpener;
        out += style;
        out += body;
        out += QLatin1Char(']');
    }

    void AppendTag(int i)
    {
        const EditField& field = screen.Field(i);
        const QString& style = field.DataLabel.tag;
        const QString& caption = field.DataLabel.caption;
        if (style.startsWith(QLatin1String("StartGroup"))) {
            const int g = SectionOf(screen, i, ++openers);
            const KeepControl* keep = g > 0 ? &screen.Group(g).DataKeep : nullptr;
            // The opener's own blank is written here: the name keeps none of its own, or every
            // save would add one.
            out += QStringLiteral("<VarKit ");
            if (keep)
                out += WithoutLeadingBlanks(keep->caption);
            out += !keep || keep->value != 0 ? QStringLiteral("=true>") : QStringLiteral("=false>");
        } else if (style == QLatin1String("EndGroup")) {
            out += QStringLiteral("</VarKit>");
        } else if (style == QLatin1String("$")) {
            Inline(style, caption + QLatin1Char('=') + HelpLinkOf(caption, helpLinks));
        } else if (style.size() == 2 && style.front() == QLatin1Char('?')) {
            Inline(QStringLiteral("?"), Name(i) + style.back() + caption + QLatin1Char('=') + Value(i));
        } else if (style == QLatin1String("?")) {
            // A target takes its value from its definition; one that shows a box of its own
            // (it was given a value) keeps what the box holds.
            const QString value = field.DataField.visible ? Value(i) : QString();
            Inline(style, value.isEmpty() ? Name(i) : Name(i) + QLatin1Char('=') + value);
        } else if (style == QLatin1String("(")) {
            Inline(style, caption);
        } else {
            const QString value = Value(i);
            if (style == QLatin1String(" ") && caption.isEmpty() && value.isEmpty())
                return;
            Inline(style, caption + QLatin1Char('=') + value);
        }
    }
};

// Blanks at both ends, then NUL characters at both ends.
QString TrimmedTemplate(const QString& text)
{
    const QStringView blanksGone = TrimmedOf(text, u" ");
    const QChar nul(u'\0');
    return TrimmedOf(blanksGone, QStringView(&nul, 1)).toString();
}

}  // namespace

QString TagSafeValue(const QString& value)
{
    const auto needsCare = [](QChar c) {
        return c == QLatin1Char('[') || c == QLatin1Char(']') || c == QLatin1Char('|');
    };
    if (std::none_of(value.cbegin(), value.cend(), needsCare))
        return value;
    QString safe;
    safe.reserve(value.size() + 16);
    for (qsizetype k = 0; k < value.size(); ++k) {
        const QChar c = value[k];
        if (c == QLatin1Char(']'))
            safe += QStringLiteral("&#93;");
        else if (c == QLatin1Char('|'))
            safe += QStringLiteral("&#124;");
        else if (c == QLatin1Char('[') && QStringView(value).sliced(k).startsWith(kInlineOpener, Qt::CaseInsensitive))
            safe += QStringLiteral("&#91;");
        else
            safe += c;
    }
    return safe;
}

QString OptionListValue(const EditScreen& screen, const std::vector<int>& options)
{
    QString value;
    bool first = true;
    for (const int j : options) {
        const FieldOption& option = screen.Option(j);
        if (!first && option.DataOptButton.visible && option.DataOptButton.selected)
            value += QLatin1Char('|');
        value += option.DataOption.caption.isEmpty() ? kTwoBlanks : TagSafeValue(option.DataOption.caption);
        value += QLatin1Char('|');
        first = false;
    }
    value.chop(1);
    return value;
}

QString BackloadTemplateData(EditScreen& screen, const QStringList& segments, const QStringList& names,
                             const QList<TemplateHelpLink>& helpLinks)
{
    for (int j = 1; j < screen.OptionCount(); ++j) {
        QString& caption = screen.Option(j).DataOption.caption;
        if (caption.isEmpty()) {
            caption = kTwoBlanks;
            screen.NotifyChanged(ScreenElement::Option, j);
        }
    }
    const std::vector<std::vector<int>> rows = screen.OptionRows();
    qsizetype length = 0;
    for (int i = 1; i < screen.FieldCount() && i < segments.size(); ++i)
        length += segments[i].size() + screen.Field(i).DataField.text.size() + 32;
    QString out;
    out.reserve(length);
    Rebuild rebuild{screen, rows, names, helpLinks, out};
    for (int i = 1; i < screen.FieldCount(); ++i) {
        if (i < segments.size())
            out += segments[i];
        rebuild.AppendTag(i);
    }
    return TrimmedTemplate(out);
}
