#include "TagButtons.h"

#include "ColorcodeMarkup.h"
#include "editscreen/TemplateSession.h"
#include "html/Colors.h"
#include "platform/AppError.h"
#include "template/TagStripping.h"

namespace {

const QString kKeyword = QStringLiteral("[VarKit");
// Right after "[VarKit" and the style character, where the designer types the tag's name.
const int kNameOffset = static_cast<int>(kKeyword.size()) + 1;

// The opening text of tag button 0 to 13 (form A, or B for the divider, C for the global
// variable); empty for the others.
QString InlineOpening(int index)
{
    static const char* const kModifiers[] = {"~", "-", " ", "!", ":", "#", "+", "?", "?", "", "^", "&", "%", "$"};
    if (index < 0 || index > TagButtonIndex::LastInline)
        return QString();
    const QString modifier = QString::fromLatin1(kModifiers[index]);
    if (index == 1)
        return kKeyword + modifier + QLatin1Char(' ');
    if (index == 7)
        return kKeyword + modifier + QStringLiteral("? =");
    return kKeyword + modifier + QStringLiteral(" =");
}

void RecordUndo(TemplateSession& session, const QString& newText)
{
    session.UndoStart = session.MarkupText.SelStart();
    session.UndoOldText = session.MarkupText.SelText();
    session.UndoNewText = newText;
}

void ForgetUndo(TemplateSession& session)
{
    session.UndoStart = -1;
    session.UndoOldText.clear();
    session.UndoNewText.clear();
}

// Puts the tag text in place of the selection, coloured, with the caret `caret` characters into it.
void PutTagText(TemplateSession& session, const QString& tagText, int caret)
{
    RichTextBox& box = session.MarkupText;
    const int start = box.SelStart();
    box.SetSelText(tagText);
    box.Select(start, static_cast<int>(tagText.size()));
    ColorcodeMarkup(session, tagText);
    box.Select(start + caret, 0);
    box.SetFocus();
    session.UndoNewText = tagText;
}

}  // namespace

void InsertInlineTags(TemplateSession& session, int index)
{
    Reported(session.dialogs(), QStringLiteral("Use Shortcut Tags"), QStringLiteral("Insert Inline VarKits"), [&] {
        RecordUndo(session, session.MarkupText.SelText());
        if (index == TagButtonIndex::GlobalTarget) {
            PutTagText(session, QStringLiteral("[VarKit?]"), kNameOffset);
            return;
        }
        const QString opening = InlineOpening(index);
        if (opening.isEmpty())
            return;
        PutTagText(session, opening + session.MarkupText.SelText() + QLatin1Char(']'), kNameOffset);
    });
}

void InsertWrapperTags(TemplateSession& session)
{
    Reported(session.dialogs(), QStringLiteral("Use Shortcut Tags"), QStringLiteral("Insert Wrapper VarKits"), [&] {
        RecordUndo(session, session.MarkupText.SelText());
        const QString wrapped = QStringLiteral("<VarKit =true>") + session.MarkupText.SelText() + QStringLiteral("</VarKit>");
        PutTagText(session, wrapped, static_cast<int>(wrapped.size()));
    });
}

void UndoTagButton(TemplateSession& session)
{
    if (session.UndoStart < 0)
        return;
    RichTextBox& box = session.MarkupText;
    const int start = session.UndoStart;
    const QString oldText = session.UndoOldText;
    const QString newText = session.UndoNewText;
    ForgetUndo(session);
    // Text typed over the insertion since is not the insertion any more: putting the old text
    // over it would cut the typing in two.
    if (QStringView(box.Text()).mid(start, newText.size()) != newText)
        return;
    box.Select(start, static_cast<int>(newText.size()));
    box.SetSelText(oldText);
    box.Select(start, static_cast<int>(oldText.size()));
    ColorcodeMarkup(session, oldText);
    box.Select(start, static_cast<int>(oldText.size()));
}

void InsertColorValue(TemplateSession& session)
{
    RichTextBox& box = session.MarkupText;
    const QString picked = ColorButton(session.dialogs(), InetColorOf(box.SelText()));
    if (picked.isEmpty())
        return;
    RecordUndo(session, QLatin1Char('#') + picked);
    box.SetSelText(session.UndoNewText);
}

void ClearVarKits(TemplateSession& session, bool& tagBarEnabled)
{
    RichTextBox& box = session.MarkupText;
    tagBarEnabled = false;
    session.NotifyChanged();
    const int start = box.SelStart();
    const QString selected = box.SelText();
    RecordUndo(session, QString());
    QString result;
    qsizetype shown = 0;
    const bool done = Reported(session.dialogs(), QStringLiteral("Clear VarKits"), QStringLiteral("Clear VarKits"), [&] {
        StripVarKitTags(selected, result, [&](qsizetype position) {
            // The size label follows the walk now and then, not at every character.
            if (position - shown >= 1024) {
                shown = position;
                session.MarkupSize = QString::number(position);
                session.NotifyChanged();
            }
            session.pump.Tick();
        });
        box.SetSelText(result);
        session.UndoNewText = result;
    });
    // A failed run leaves the selection as it was, and nothing to undo.
    if (!done) {
        result = selected;
        ForgetUndo(session);
    }
    box.Select(start, static_cast<int>(result.size()));
    ColorcodeMarkup(session, result);
    tagBarEnabled = true;
    session.MarkupSize = QString::number(box.Length());
    session.NotifyChanged();
}

void TagButton_Click(TemplateSession& session, int index, bool& tagBarEnabled)
{
    Reported(session.dialogs(), QStringLiteral("Click Tag button"), QStringLiteral("Click Tag button"), [&] {
        switch (index) {
        case TagButtonIndex::OptionDivider:
            RecordUndo(session, QStringLiteral("|"));
            session.MarkupText.SetSelText(session.UndoNewText);
            break;
        case TagButtonIndex::Wrapper:
            InsertWrapperTags(session);
            break;
        case TagButtonIndex::Clear:
            ClearVarKits(session, tagBarEnabled);
            break;
        case TagButtonIndex::Undo:
            UndoTagButton(session);
            break;
        case TagButtonIndex::Color:
            InsertColorValue(session);
            break;
        default:
            InsertInlineTags(session, index);
            break;
        }
    });
    session.MarkupText.SetFocus();
}
