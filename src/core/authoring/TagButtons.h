#pragma once
// The tag buttons of the markup screen: each wraps the markup's selection in a template tag,
// "Clear" turns the tags of the selection back into their values, the undo button takes back
// the last of these, the colour button puts in a colour picked in the colour dialog.
class TemplateSession;

namespace TagButtonIndex {
constexpr int OptionDivider = 9;
constexpr int GlobalTarget = 8;
constexpr int LastInline = 13;
constexpr int Wrapper = 20;
constexpr int Clear = 30;
constexpr int Undo = 31;
constexpr int Color = 40;
}  // namespace TagButtonIndex

// A click on tag button `index` (report "Click Tag button"); the markup box gets the focus back.
// `tagBarEnabled` is the button row's enabled state, off while Clear runs.
void TagButton_Click(TemplateSession& session, int index, bool& tagBarEnabled);

// The bracket tag of button 0 to 13 around the selection, the caret where its name is typed.
void InsertInlineTags(TemplateSession& session, int index);
// "<VarKit =true>" and "</VarKit>" around the selection, the caret after them.
void InsertWrapperTags(TemplateSession& session);
// Puts back what the last tag command replaced, selected; only when the text it inserted still
// stands where it put it. Does nothing when there is nothing to undo.
void UndoTagButton(TemplateSession& session);
// Replaces the selection by "#RRGGBB" picked in the colour dialog, preset to the selected colour.
void InsertColorValue(TemplateSession& session);
// Strips the tags of the markup's selection (template/TagStripping) and colours the result.
void ClearVarKits(TemplateSession& session, bool& tagBarEnabled);
