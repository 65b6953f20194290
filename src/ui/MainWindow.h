#pragma once
// The main window: the menu bar, the tab strip, the template name box and the three screens
// (edit, markup, export) with the panels laid over them. It stacks the screens as the form state
// says, lays itself out through Form_Resize in twips, and hands every command to the procedures
// of src/core; the menus, the markup screen and the panels draw themselves.
#include "TabCaption.h"
#include "Twips.h"

#include <QMainWindow>
#include <array>

class AdvancedSettingsPanel;
class BlowupPanel;
class ColorEditorView;
class EditScreenView;
class FindPanel;
class FormState;
class MainMenus;
class MarkupScreenView;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QShortcut;
class RichTextView;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(FormState& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    FormState& form() { return form_; }

    // Draws the form state on the static widgets now (normally once per event-loop turn).
    void SyncFromState();
    // Moves the widgets to the geometry of the layout model.
    void ApplyLayout();
    // Reports the client area's size to the layout model and runs Form_Resize.
    void Relayout();

    EditScreenView* editScreen() const { return editScreen_; }
    RichTextView* markupText() const;
    RichTextView* htmlText() const { return htmlText_; }
    QLineEdit* fileName() const { return fileName_; }
    QPushButton* button(int index) const { return buttons_[static_cast<size_t>(index)]; }
    TabCaption* tab(int index) const { return tabs_[static_cast<size_t>(index)]; }
    QWidget* colorLine(int index) const { return colorLines_[static_cast<size_t>(index)]; }
    QFrame* descFrame() const { return descFrame_; }
    QFrame* markupFrame() const;
    QFrame* htmlFrame() const { return htmlFrame_; }
    QWidget* client() const { return client_; }
    QLineEdit* colorText() const;
    AdvancedSettingsPanel* advSettings() const { return advSettings_; }
    FindPanel* findPanel() const { return findPanel_; }
    BlowupPanel* blowupPanel() const { return blowupPanel_; }
    QMenu* fileMenu() const;
    QMenu* helpMenu() const;
    QMenu* helpSettingsMenu() const;
    QMenu* tilesMenu() const;
    TwipsScale scale() const { return scale_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildTabStrip();
    void BuildEditScreen();
    void BuildExportScreen();
    void BuildPanels();
    void BuildKeys();
    QPushButton* MakeCommandButton(int index, QWidget* parent);
    void ScheduleSync();
    void SyncTabs();
    void SyncButtons();
    void StackScreens();
    void EscapePressed();

    FormState& form_;
    TwipsScale scale_;
    bool syncScheduled_ = false;
    bool unloaded_ = false;
    bool fitted_ = false;

    QWidget* client_ = nullptr;
    MainMenus* menus_ = nullptr;
    QWidget* line0_ = nullptr;
    QWidget* tabFrame_ = nullptr;
    std::array<TabCaption*, 5> tabs_{};
    std::array<QWidget*, 5> colorLines_{};
    QLabel* fileSizeLabel_ = nullptr;
    QLabel* fileSize_ = nullptr;
    QLabel* fileNameLabel_ = nullptr;
    QLineEdit* fileName_ = nullptr;

    QFrame* descFrame_ = nullptr;
    EditScreenView* editScreen_ = nullptr;
    std::array<QWidget*, 2> dataScrollLines_{};
    QLabel* editSize_ = nullptr;
    ColorEditorView* colorEditor_ = nullptr;

    MarkupScreenView* markupScreen_ = nullptr;

    QFrame* htmlFrame_ = nullptr;
    RichTextView* htmlText_ = nullptr;
    QLabel* htmlSize_ = nullptr;
    std::array<QPushButton*, 13> buttons_{};

    FindPanel* findPanel_ = nullptr;
    BlowupPanel* blowupPanel_ = nullptr;
    AdvancedSettingsPanel* advSettings_ = nullptr;
    QScrollArea* advSettingsScroll_ = nullptr;
    QFrame* frame1_ = nullptr;
    QShortcut* escape_ = nullptr;
};
