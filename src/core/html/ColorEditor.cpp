#include "ColorEditor.h"

#include "html/Colors.h"
#include "shell/FormState.h"

namespace {

// Paints both swatches; text that is no colour leaves them as they were.
void PaintSwatches(FormState& form, const QString& html)
{
    const std::optional<quint32> value = ColorValueFromWindowsText(BGR(html));
    if (value)
        form.EditColor.swatchColor = *value;
}

}  // namespace

bool EditColorTxt_KeyPress(FormState& form, int keyAscii)
{
    if (keyAscii != 13)
        return false;
    ColorEditorState& editor = form.EditColor;
    editor.text = InetColorOf(editor.text);
    PaintSwatches(form, editor.text);
    editor.selectAllRequested = true;
    form.NotifyChanged();
    return true;
}

void EditColorBtn_Click(FormState& form)
{
    ColorEditorState& editor = form.EditColor;
    const QString chosen = ColorButton(form.dialogs(), InetColorOf(editor.text));
    if (chosen.isEmpty())
        return;
    PaintSwatches(form, chosen);
    editor.text = QLatin1Char('#') + chosen;
    editor.selectAllRequested = true;
    form.NotifyChanged();
}

void EditColorBox_Click(FormState& form)
{
    EditColorBtn_Click(form);
}
