#pragma once
// The edit screen's scroll viewport (DataScrollFrame): it draws the generated fields, options
// and section checkboxes of the model with real widgets inside the content panel
// (DataScrollInsert), follows the model's change signals with one refresh per event-loop turn,
// and writes what the user types back into the model. Only elements the model shows get
// widgets; a hidden field costs nothing here. The field and option widgets are kept by
// FieldWidgets and OptionWidgets; the section checkboxes and outlines here.
#include "FieldWidgets.h"
#include "Twips.h"
#include "editscreen/EditScreen.h"

#include <QSet>
#include <QWidget>
#include <vector>

class FormState;
class OptionWidgets;
class QCheckBox;
class QLabel;
class QScrollBar;
class QToolButton;

class EditScreenView : public QWidget {
    Q_OBJECT
public:
    EditScreenView(FormState& form, QWidget* parent);
    ~EditScreenView() override;

    // Brings every widget up to date with the model now (normally done once per event-loop turn).
    void Refresh();
    void SetScale(const TwipsScale& scale);

    // What tests and the window look at.
    QWidget* content() const { return content_; }
    QScrollBar* scrollbar() const { return scrollbar_; }
    QLabel* message() const { return message_; }
    FieldBox* fieldBox(int i) const;
    QLabel* fieldLabel(int i) const;
    QToolButton* fieldButton(int i) const;
    QLabel* optionCaption(int j) const;
    QLabel* optionMark(int j) const;
    QLabel* optionImage(int j) const;
    QWidget* optionChip(int j) const;
    QCheckBox* groupCheck(int g) const;
    QWidget* groupOutline(int g) const;
    int widgetCount() const;

    // Label hover: the label under the mouse is underlined in blue; the bare content panel
    // resets every label.
    void DataLabel_MouseMove(int index);
    void DataScrollInsert_MouseMove();
    // The content panel follows the scroll bar.
    void DataScrollbar_Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct GroupWidgets {
        QCheckBox* keep = nullptr;
        QWidget* outline = nullptr;
    };

    void ScheduleRefresh();
    void OnChanged(ScreenElement kind, int index);
    void OnReset();
    void SyncGroup(int g);
    void SyncScrollArea();
    void DropGroup(int g);
    void OnKeepClicked(int g, bool checked);
    // Tab goes from each field box through the captions and tiles of its options.
    void SetTabOrder();
    // A control of the content panel that took the focus is scrolled into view.
    void BringIntoView(QWidget* widget);

    FormState& form_;
    EditScreen& screen_;
    TwipsScale scale_;
    QWidget* content_;
    QScrollBar* scrollbar_;
    QLabel* message_;
    FieldWidgets* fields_;
    OptionWidgets* options_;
    std::vector<GroupWidgets> groups_;

    bool refreshScheduled_ = false;
    bool fullRefresh_ = true;
    bool scrollDirty_ = true;
    QSet<int> dirtyFields_;
    QSet<int> dirtyOptions_;
    QSet<int> dirtyGroups_;
    bool updating_ = false;
    int tabOrderWidgets_ = -1;
};
