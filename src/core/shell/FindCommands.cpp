#include "FindCommands.h"

#include "CurrentTarget.h"
#include "FormState.h"
#include "ScreenTag.h"
#include "authoring/FindReplace.h"
#include "platform/AppError.h"

namespace {

const QString kSearchTitle = QStringLiteral("Search Button");

// What the not-found message calls the box, and the step text of its search.
struct SearchPlace {
    const char* what;
    const char* step;
};

SearchPlace PlaceOf(Screen screen)
{
    switch (screen) {
    case Screen::Markup: return {"Markup code", "Search Markup Window"};
    case Screen::Export: return {"Export code", "Search Export Window"};
    case Screen::Blowup: return {"Edit Field", "Search Blowup Window"};
    case Screen::Edit:
    case Screen::NoMarkup: break;
    }
    return {nullptr, nullptr};
}

void ShowPanel(FormState& form, FindBoxId box)
{
    form.Find.visible = true;
    form.Find.focusBox = box;
    ++form.Find.focusRequests;
}

void FindNext(FormState& form, QString& step)
{
    const QString& find = form.Find.findText;
    TextTarget* box = FindTarget(form);
    const SearchPlace place = PlaceOf(ScreenOf(form));
    if (find.isEmpty() || !box || !place.what)
        return;
    step = QString::fromLatin1(place.step);
    const QString text = box->Text();
    const FindNextResult result = FindNextIn(text, find, box->SelStart(), box->SelLength());
    if (result.match >= 0) {
        box->Select(result.match, static_cast<int>(find.size()));
        box->SetFocus();
        return;
    }
    form.dialogs().Message(QStringLiteral("Find"), NotFoundMessage(result, QString::fromLatin1(place.what), find),
                           MsgButtons::Ok, MsgIcon::None);
    box->Select(static_cast<int>(text.size()), 0);
}

// Runs an Edit menu command on the box in use, under its report title.
template <typename Body>
void OnEditMenuBox(FormState& form, const char* title, const char* step, Body&& body)
{
    Reported(form.dialogs(), QString::fromLatin1(title), QString::fromLatin1(step), [&] {
        EditMenuTarget target(form);
        if (TextTarget* box = target.get())
            body(*box);
    });
    form.NotifyChanged();
}

}  // namespace

void MenuFind_Click(FormState& form, int index)
{
    switch (index) {
    case 0: ShowPanel(form, FindBoxId::Find); break;
    case 1: FindButton_Click(form, 1); return;
    case 2: ShowPanel(form, FindBoxId::Replace); break;
    default: return;
    }
    form.NotifyChanged();
}

void FindButton_Click(FormState& form, int index)
{
    QString step = QStringLiteral("Search Window");
    Reported(form.dialogs(), kSearchTitle, step, [&] {
        switch (index) {
        case 0:
            form.Find.visible = false;
            break;
        case 2:
            if (TextTarget* box = FindTarget(form); box && box->SelLength() > 0)
                box->SetSelText(form.Find.replaceText);
            FindNext(form, step);
            break;
        case 1:
            FindNext(form, step);
            break;
        default:
            break;
        }
    });
    form.NotifyChanged();
}

void MenuEditCopy_Click(FormState& form)
{
    // Copying an empty selection leaves the clipboard as it was.
    OnEditMenuBox(form, "EditMenu Copy", "Copy to clipboard", [&](TextTarget& box) {
        const QString selected = box.SelText();
        if (!selected.isEmpty())
            form.clipboard().SetText(selected);
    });
}

void MenuEditPaste_Click(FormState& form)
{
    OnEditMenuBox(form, "EditMenu Paste", "Paste Text", [&](TextTarget& box) {
        const QString text = form.clipboard().Text();
        if (!text.isEmpty())
            box.SetSelText(text);
    });
}

void MenuEditSelectAll_Click(FormState& form)
{
    OnEditMenuBox(form, "EditMenu SelectAll", "Select All Text",
                  [](TextTarget& box) { box.Select(0, static_cast<int>(box.Text().size())); });
}

void MarkupFrame_MouseDown(FormState& form, int button, int shift)
{
    constexpr int kRightButton = 2;
    constexpr int kCtrl = 2;
    if (button != kRightButton || shift != kCtrl)
        return;
    form.MenuHelpSettingsDes.enabled = true;
    form.NotifyChanged();
}
