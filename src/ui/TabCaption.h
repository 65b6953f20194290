#pragma once
// A caption of the tab strip (EDIT, MARKUP, EXPORT): a clickable label that takes the keyboard
// focus (Space or Enter selects it) and that assistive technology sees as a page tab, selected
// while its screen is in front.
#include "WidgetKit.h"

class TabCaption : public ClickLabel {
    Q_OBJECT
public:
    TabCaption(const QString& caption, QWidget* parent);

    void SetSelected(bool selected);
    bool selected() const { return selected_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool selected_ = false;
};
