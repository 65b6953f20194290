#pragma once
// The main window: the menu bar, the tab strip, the template name box and the three screens
// (edit, markup, export) with the panels laid over them. It draws the form state, lays itself
// out through Form_Resize in twips, and hands every command to the procedures of src/core.
#include "Twips.h"

#include <QLabel>
#include <QMainWindow>
#include <array>

class FormState;
class AdvancedSettingsPanel;
class EditScreenView;
class RichTextView;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

// A label that reports clicks and double-clicks; the release that ends a double-click is no
// second click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool releaseEndsDoubleClick_ = false;
};

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
    RichTextView* markupText() const { return markupText_; }
    RichTextView* htmlText() const { return htmlText_; }
    QLineEdit* fileName() const { return fileName_; }
    QPushButton* button(int index) const { return buttons_[static_cast<size_t>(index)]; }
    ClickLabel* tab(int index) const { return tabs_[static_cast<size_t>(index)]; }
    QWidget* colorLine(int index) const { return colorLines_[static_cast<size_t>(index)]; }
    QFrame* descFrame() const { return descFrame_; }
    QFrame* markupFrame() const { return markupFrame_; }
    QFrame* htmlFrame() const { return htmlFrame_; }
    QWidget* client() const { return client_; }
    QMenu* tilesMenu() const { return menuTiles_; }
    QLineEdit* colorText() const { return colorText_; }
    AdvancedSettingsPanel* advSettings() const { return advSettings_; }
    QMenu* fileMenu() const { return menuFile_; }
    QMenu* helpMenu() const { return menuHelp_; }
    QMenu* helpSettingsMenu() const { return menuHelpSettings_; }
    TwipsScale scale() const { return scale_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    void BuildTabStrip();
    void BuildEditScreen();
    void BuildMarkupScreen();
    void BuildExportScreen();
    void BuildPanels();
    QPushButton* MakeButton(int index, QWidget* parent);
    void ScheduleSync();
    void SyncHelpMenu();
    void SyncFileMenu();
    // The file-name box takes dropped template files (FileName_OLEDragOver, FileName_OLEDragDrop).
    bool FileNameDragEvent(QEvent* event);
    void Place(QWidget* widget, const Geometry& g);

    FormState& form_;
    TwipsScale scale_;
    bool syncScheduled_ = false;
    bool unloaded_ = false;

    QWidget* client_ = nullptr;
    QWidget* line0_ = nullptr;
    QWidget* tabFrame_ = nullptr;
    std::array<ClickLabel*, 5> tabs_{};
    std::array<QWidget*, 5> colorLines_{};
    QLabel* fileSizeLabel_ = nullptr;
    QLabel* fileSize_ = nullptr;
    QLabel* fileNameLabel_ = nullptr;
    QLineEdit* fileName_ = nullptr;

    QFrame* descFrame_ = nullptr;
    EditScreenView* editScreen_ = nullptr;
    std::array<QWidget*, 2> dataScrollLines_{};
    QLabel* editSize_ = nullptr;
    QWidget* colorFrame_ = nullptr;
    QLineEdit* colorText_ = nullptr;
    QToolButton* colorButton_ = nullptr;
    QWidget* colorCircle_ = nullptr;
    ClickLabel* colorBox_ = nullptr;

    QFrame* markupFrame_ = nullptr;
    RichTextView* markupText_ = nullptr;
    ClickLabel* customLogo_ = nullptr;
    QWidget* tagButtonFrame_ = nullptr;
    std::array<QToolButton*, 41> tagButtons_{};
    QLabel* markupSize_ = nullptr;

    QFrame* htmlFrame_ = nullptr;
    RichTextView* htmlText_ = nullptr;
    QLabel* htmlSize_ = nullptr;
    std::array<QPushButton*, 13> buttons_{};

    QFrame* findFrame_ = nullptr;
    std::array<QPushButton*, 3> findButtons_{};
    QFrame* blowup_ = nullptr;
    QWidget* blowupButtonFrame_ = nullptr;
    QWidget* dataBlowup_ = nullptr;
    QLabel* blowupLabel_ = nullptr;
    AdvancedSettingsPanel* advSettings_ = nullptr;
    QFrame* frame1_ = nullptr;

    QMenu* menuFile_ = nullptr;
    QMenu* menuEdit_ = nullptr;
    QMenu* menuHelp_ = nullptr;
    QMenu* menuTiles_ = nullptr;
    std::array<QAction*, 3> menuFind_{};
    std::array<QAction*, 2> menuFileOpen_{};
    std::array<QAction*, 2> menuFileSave_{};
    QAction* menuFileSaveModified_ = nullptr;
    QAction* menuFileSaveWeb_ = nullptr;
    QMenu* menuHelpSettings_ = nullptr;
    QAction* menuHelpSettingsAssoc_ = nullptr;
    QAction* menuHelpSettingsDes_ = nullptr;
    QAction* menuBarHelp_ = nullptr;
    QAction* menuShowArrow_ = nullptr;
    QAction* menuShowLink_ = nullptr;
    QList<QAction*> helpFileActions_;
    QStringList helpFileCaptions_;
};
