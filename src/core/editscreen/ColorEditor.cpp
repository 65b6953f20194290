#include "ColorEditor.h"

#include "html/Colors.h"

namespace {

// Paints both swatches; text that is no colour leaves them as they were.
void PaintSwatches(ColorEditorState& editor, const QString& html)
{
    const std::optional<quint32> value = ColorValueFromHtml(html);
    if (value)
        editor.swatchColor = *value;
}

}  // namespace

bool EditColorTxt_KeyPress(ColorEditorState& editor, int keyAscii)
{
    if (keyAscii != 13)
        return false;
    editor.text = InetColorOf(editor.text);
    PaintSwatches(editor, editor.text);
    editor.selectAllRequested = true;
    return true;
}

bool EditColorBtn_Click(ColorEditorState& editor, Dialogs& dialogs)
{
    const QString chosen = ColorButton(dialogs, InetColorOf(editor.text));
    if (chosen.isEmpty())
        return false;
    PaintSwatches(editor, chosen);
    editor.text = QLatin1Char('#') + chosen;
    editor.selectAllRequested = true;
    return true;
}

bool EditColorBox_Click(ColorEditorState& editor, Dialogs& dialogs)
{
    return EditColorBtn_Click(editor, dialogs);
}
