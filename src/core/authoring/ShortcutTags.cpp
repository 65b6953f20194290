#include "ShortcutTags.h"

#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "text/TextTarget.h"

namespace {

struct KeyTags {
    int keyCode;
    const char* opening;
    const char* closing;
};

constexpr KeyTags kKeyTags[] = {
    {ChordKey::Z, "[VarKit =", "]"},
    {ChordKey::B, "<b>", "</b>"},
    {ChordKey::I, "<i>", "</i>"},
    {ChordKey::U, "<u>", "</u>"},
    {ChordKey::L, "<li>", "</li>"},
    {ChordKey::PadPlus, "<big>", "</big>"},
    {ChordKey::PadMinus, "<small>", "</small>"},
    {ChordKey::Space, "&nbsp;", ""},
    {ChordKey::Enter, "", "<br>"},
};

void RemoveAt(QString& text, qsizetype at, qsizetype length)
{
    if (at >= 0)
        text.remove(at, length);
}

QString WithoutAll(const QString& text, const QString& opening, const QString& closing)
{
    QString kept;
    kept.reserve(text.size());
    const QStringView view(text);
    for (qsizetype i = 0; i < text.size();) {
        if (!opening.isEmpty() && view.sliced(i).startsWith(opening, Qt::CaseInsensitive))
            i += opening.size();
        else if (!closing.isEmpty() && view.sliced(i).startsWith(closing, Qt::CaseInsensitive))
            i += closing.size();
        else
            kept += text[i++];
    }
    return kept;
}

}  // namespace

ShortcutTag ShortcutTagOf(int keyCode)
{
    for (const KeyTags& row : kKeyTags)
        if (row.keyCode == keyCode)
            return {QString::fromLatin1(row.opening), QString::fromLatin1(row.closing)};
    return {};
}

std::optional<TagMode> ChordMode(int shift)
{
    switch (shift) {
    case ChordShift::Ctrl:
        return TagMode::Add;
    case ChordShift::CtrlAlt:
        return TagMode::Del;
    case ChordShift::CtrlShift:
        return TagMode::DelAll;
    default:
        return std::nullopt;
    }
}

QString WithShortcutTags(QString text, int keyCode, TagMode mode)
{
    const ShortcutTag tag = ShortcutTagOf(keyCode);
    switch (mode) {
    case TagMode::Add:
        return tag.opening + text + tag.closing;
    case TagMode::Del:
        if (text.isEmpty())
            return text;
        if (!tag.opening.isEmpty())
            RemoveAt(text, text.indexOf(tag.opening, 0, Qt::CaseInsensitive), tag.opening.size());
        if (!tag.closing.isEmpty())
            RemoveAt(text, text.lastIndexOf(tag.closing, -1, Qt::CaseInsensitive), tag.closing.size());
        return text;
    case TagMode::DelAll:
        return text.isEmpty() ? text : WithoutAll(text, tag.opening, tag.closing);
    }
    return text;
}

void InsertShortcutTags(Dialogs& dialogs, QString& text, int keyCode, TagMode mode)
{
    Reported(dialogs, QStringLiteral("Use Shortcut Tags"), QStringLiteral("Insert VarKits"),
             [&] { text = WithShortcutTags(text, keyCode, mode); });
}

bool ApplyChord(Dialogs& dialogs, TextTarget& box, int& keyCode, int shift, ChordBox kind)
{
    const std::optional<TagMode> mode = ChordMode(shift);
    if (!mode)
        return false;
    const ShortcutTag tag = ShortcutTagOf(keyCode);
    const bool isZ = keyCode == ChordKey::Z;
    if ((tag.opening.isEmpty() && tag.closing.isEmpty()) || (isZ && kind != ChordBox::Markup))
        return false;
    const int key = keyCode;
    keyCode = 0;
    const int start = box.SelStart();
    const int length = box.SelLength();
    QString result = box.SelText();
    InsertShortcutTags(dialogs, result, key, *mode);
    box.SetSelText(result);
    if (isZ)
        box.Select(start + static_cast<int>(QStringLiteral("[VarKit").size()), 0);
    else if (length != 0)
        box.Select(start, static_cast<int>(result.size()));
    else
        box.Select(start + static_cast<int>(result.size()), 0);
    return true;
}
