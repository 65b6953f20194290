#include "FieldEvents.h"

#include "FileCommands.h"
#include "FormState.h"
#include "ScreenTag.h"
#include "authoring/FieldKeys.h"
#include "editscreen/Blowup.h"
#include "platform/AppError.h"

namespace {

constexpr int kIncludeFileDialog = 4;
constexpr int kLabelGap = 240;
constexpr int kEnlargeKeyCode = 113;  // F2

void AskForIncludeFile(FormState& form, int index)
{
    QString action = QStringLiteral("OPEN");
    QString path;
    GetFilename(form, action, kIncludeFileDialog, path);
    if (action == QLatin1String("CANCEL") || path.isEmpty())
        return;
    TextBoxControl& box = form.screen.Field(index).DataField;
    box.text = path;
    box.selStart = static_cast<int>(path.size());
    box.selLength = 0;
    form.screen.NotifyChanged(ScreenElement::Field, index);
}

// The label stands right of the HTML button row when the row is shown, else over the editor.
void PlaceBlowupLabel(FormState& form)
{
    WindowLayoutModel& l = form.layout;
    l.BlowupLabel.left = form.Blowup.EditButtonFrameVisible ? l.EditButtonFrame.left + l.EditButtonFrame.width + kLabelGap
                                                            : l.DataBlowup.left;
}

}  // namespace

void DataLabel_Click(FormState& form, int index)
{
    EditScreen& screen = form.screen;
    if (index < 1 || index >= screen.FieldCount())
        return;
    Reported(form.dialogs(), QStringLiteral("Call Data Blowup"), QStringLiteral("Call Data Blowup"), [&] {
        if (screen.Field(index).DataLabel.tag.endsWith(QLatin1Char('+'))) {
            AskForIncludeFile(form, index);
            return;
        }
        OpenBlowup(form.Blowup, screen, index);
        PlaceBlowupLabel(form);
        SetScreen(form, Screen::Blowup);
        form.FindEnabled = true;
    });
    form.NotifyChanged();
}

void DataButton_Click(FormState& form, int index)
{
    DataLabel_Click(form, index);
}

void DataField_WindowKeyDown(FormState& form, int index, int& keyCode, int& shift)
{
    if (keyCode == kEnlargeKeyCode && shift == 0 && index >= 1 && index < form.screen.FieldCount()) {
        const EditField& field = form.screen.Field(index);
        const bool clickable = (field.DataLabel.visible && field.DataLabel.enabled)
                               || (field.DataButton.visible && field.DataButton.enabled);
        if (clickable) {
            keyCode = 0;
            form.KeySwallowed = false;
            DataLabel_Click(form, index);
            return;
        }
    }
    DataField_KeyDown(form, index, keyCode, shift);
}

void BlowupButton_Click(FormState& form, int index)
{
    CloseBlowup(form.Blowup, form.screen, index != 0);
    SetScreen(form, Screen::Edit);
    form.FindEnabled = false;
    form.NotifyChanged();
}
