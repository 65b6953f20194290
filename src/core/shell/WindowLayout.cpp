#include "WindowLayout.h"

#include "editscreen/OptionSets.h"
#include "platform/AppError.h"
#include "shell/FormState.h"

#include <cmath>
#include <vector>

namespace {

void HorizontalPass(FormState& form, int w)
{
    WindowLayoutModel& l = form.layout;
    EditScreen& screen = form.screen;

    l.DescFrame.width = w - 480;
    l.FindFrame.left = w - l.FindFrame.width - 240;
    l.ColorLine[0].x2 = l.DescFrame.width;
    Geometry& viewport = screen.DataScrollFrame;
    viewport.left = 60;
    viewport.width = l.DescFrame.width - 120;
    for (LayoutLine& line : l.DataScrollLine) {
        line.x1 = viewport.left;
        line.x2 = viewport.width + 60;
    }
    l.Blowup.left = l.DescFrame.left + 60;
    l.Blowup.width = l.DescFrame.width - 120;
    screen.DataScrollInsert.width = viewport.width - screen.DataScrollbar.width - 30;
    l.DataScrollbar.width = screen.DataScrollbar.width;
    l.DataScrollbar.left = viewport.width - screen.DataScrollbar.width - 15;

    // Fields, and the options of every field that has an option set, spread over the new
    // width; the rows come from one pass over the options.
    const int contentWidth = screen.DataScrollInsert.width;
    const std::vector<std::vector<int>> rows = screen.OptionRows();
    for (int i = 1; i < screen.FieldCount(); ++i) {
        TextBoxControl& box = screen.Field(i).DataField;
        box.geometry.width = contentWidth - box.geometry.left - 120;
        screen.NotifyChanged(ScreenElement::Field, i);
        LayoutOptionRow(screen, i, rows[static_cast<size_t>(i)]);
    }
    for (int g = 1; g < screen.GroupCount(); ++g) {
        FieldGroup& group = screen.Group(g);
        group.DataGrouping.geometry.width = contentWidth - group.DataGrouping.geometry.left - 60;
        group.DataKeep.geometry.width = group.DataGrouping.geometry.width;
        screen.NotifyChanged(ScreenElement::Group, g);
    }

    l.DataBlowup.width = l.Blowup.width - l.DataBlowup.left - 240;
    l.BlowupLabel.width = l.DataBlowup.width;
    l.BlowupButtonFrame.width = l.Blowup.width;
    l.FileName.width = w - l.FileName.left - 240;

    l.MarkupFrame.width = w - 480;
    l.MarkupText.width = l.MarkupFrame.width - 240;
    l.ColorLine[1].x2 = l.MarkupFrame.width;
    l.CustomLogo.left = l.MarkupText.left + 30;
    l.CustomLogo.width = l.MarkupText.width - 60;

    l.HTMLframe.width = w - 480;
    l.HTMLtext.width = l.HTMLframe.width - 240;
    l.PreviewButton.left = l.HTMLframe.width / 2 + 40;
    l.CopyButton.left = l.HTMLframe.width / 2 - l.PreviewButton.width - 40;
    l.ColorLine[4].x2 = l.HTMLframe.width;
}

void VerticalPass(FormState& form, int h)
{
    WindowLayoutModel& l = form.layout;
    EditScreen& screen = form.screen;

    l.DescFrame.height = h - l.DescFrame.top - 240;
    Geometry& viewport = screen.DataScrollFrame;
    viewport.top = l.HTMLtext.top;
    viewport.height = l.DescFrame.height - viewport.top - viewport.left;
    l.DataScrollLine[0].y1 = l.DataScrollLine[0].y2 = viewport.top - 15;
    l.DataScrollLine[1].y1 = l.DataScrollLine[1].y2 = viewport.top + viewport.height;

    l.Blowup.top = l.DescFrame.top + 180;
    l.Blowup.height = l.DescFrame.height - 240;
    l.BlowupButtonFrame.top = l.Blowup.height - l.BlowupButtonFrame.height;
    l.DataBlowup.height = l.BlowupButtonFrame.top - l.DataBlowup.top;

    l.DataScrollbar.top = 0;
    l.DataScrollbar.height = viewport.height;
    screen.ApplyScrollRange();
    screen.DataScrollbar.largeChange = static_cast<int>(std::nearbyint(0.9 * viewport.height));

    l.MarkupFrame.height = h - l.MarkupFrame.top - 240;
    l.MarkupText.height = l.MarkupFrame.height - l.MarkupText.top - l.MarkupText.left;
    l.CustomLogo.top = l.MarkupText.top + 30;
    l.CustomLogo.height = l.MarkupText.height - 60;

    l.HTMLframe.height = h - l.HTMLframe.top - 240;
    l.HTMLtext.height = l.HTMLframe.height - l.HTMLtext.top - 600;
    l.PreviewButton.top = l.HTMLframe.height - 495;
    l.CopyButton.top = l.PreviewButton.top;
}

}  // namespace

void Form_Resize(FormState& form)
{
    Reported(form.dialogs(), QStringLiteral("Resize Screen"), QStringLiteral("Resize Screen"), [&] {
        WindowLayoutModel& l = form.layout;
        if (l.innerWidth <= 0 && l.innerHeight <= 0) {
            // No window: only the scroll range follows the content.
            form.screen.ApplyScrollRange();
            return;
        }
        if (l.minimized)
            return;
        if (l.scrollbarHasFocus && form.FileName.enabled && form.onFocusFileName)
            form.onFocusFileName();
        const int w = l.innerWidth;
        const int h = l.innerHeight;
        l.Line0.x2 = w;
        l.TabFrame.width = w;
        if (w >= WindowLayoutModel::kWideEnough)
            HorizontalPass(form, w);
        if (h >= WindowLayoutModel::kTallEnough)
            VerticalPass(form, h);
    });
    if (form.onFormResize)
        form.onFormResize();
}
