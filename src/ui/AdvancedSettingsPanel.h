#pragma once
// The Advanced Settings panel (AdvSettings): the start-up template, the splash image, the markup
// lock and the first ten Help-menu entries. It draws form.AdvSettings, writes what the user
// types and ticks back into it, places its controls by the panel geometry of the layout model
// and hands its buttons to the procedures of src/core.
#include "Twips.h"

#include <QFrame>
#include <array>

class FormState;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

class AdvancedSettingsPanel : public QFrame {
    Q_OBJECT
public:
    AdvancedSettingsPanel(FormState& form, QWidget* parent);

    // Draws the panel's state now: texts, the lock, captions, the rows that exist, shown or not.
    void Sync();
    // Moves the panel and its controls to the geometry of form.layout.AdvSettings.
    void ApplyLayout(const TwipsScale& scale);

    QLabel* heading() const { return heading_; }
    QLabel* templateLabel() const { return templateLabel_; }
    QLineEdit* templateBox() const { return templateBox_; }
    QLabel* splashLabel() const { return splashLabel_; }
    QLineEdit* splashBox() const { return splashBox_; }
    QCheckBox* lockBox() const { return lock_; }
    QPushButton* lockButton() const { return lockButton_; }
    QPushButton* associateButton() const { return associate_; }
    QPushButton* browseButton() const { return browse_; }
    QLabel* captionHeading() const { return captionHeading_; }
    QLabel* linkHeading() const { return linkHeading_; }
    // Row i (0 to 9) of the Help-menu entries; null while the row does not exist yet.
    QLineEdit* menuItem(int i) const { return menuItems_[static_cast<size_t>(i)]; }
    QLineEdit* menuLink(int i) const { return menuLinks_[static_cast<size_t>(i)]; }
    // 0 "Cancel/Close", 1 "Save & Reload".
    QPushButton* button(int index) const { return buttons_[static_cast<size_t>(index)]; }

private:
    void AddRow(int i);

    FormState& form_;
    TwipsScale scale_;
    QScrollArea* scroll_ = nullptr;
    QFrame* content_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* templateLabel_ = nullptr;
    QLineEdit* templateBox_ = nullptr;
    QLabel* splashLabel_ = nullptr;
    QLineEdit* splashBox_ = nullptr;
    QCheckBox* lock_ = nullptr;
    QPushButton* lockButton_ = nullptr;
    QPushButton* associate_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLabel* captionHeading_ = nullptr;
    QLabel* linkHeading_ = nullptr;
    std::array<QLineEdit*, 10> menuItems_{};
    std::array<QLineEdit*, 10> menuLinks_{};
    std::array<QPushButton*, 2> buttons_{};
};
