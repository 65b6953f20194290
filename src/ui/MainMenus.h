#pragma once
// The menu bar (File, Edit, Help, the link display) and the tile pop-up menu. It draws the menu
// state of the form, hands every entry to its procedure, and gives the File commands the
// desktop's usual shortcuts where no chord of the boxes uses the key.
#include <QObject>
#include <QPointer>
#include <array>

class FormState;
class CheckListDialog;
class QAction;
class QMainWindow;
class QMenu;

class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(FormState& form, QMainWindow& window);

    // Draws the menus' captions, enabled states and the Help menu's items now.
    void Sync();

    QMenu* fileMenu() const { return menuFile_; }
    QMenu* editMenu() const { return menuEdit_; }
    QMenu* helpMenu() const { return menuHelp_; }
    QMenu* helpSettingsMenu() const { return menuHelpSettings_; }
    QMenu* tilesMenu() const { return menuTiles_; }

private:
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildHelpMenu();
    void SyncFileMenu();
    void SyncHelpMenu();
    void ShowCheckList();

    FormState& form_;
    QMainWindow& window_;
    QMenu* menuFile_ = nullptr;
    QMenu* menuEdit_ = nullptr;
    QMenu* menuHelp_ = nullptr;
    QMenu* menuHelpSettings_ = nullptr;
    QMenu* menuTiles_ = nullptr;
    std::array<QAction*, 2> menuFileOpen_{};
    std::array<QAction*, 2> menuFileSave_{};
    QAction* menuFileSaveModified_ = nullptr;
    QAction* menuFileSaveWeb_ = nullptr;
    QAction* menuFileBatch_ = nullptr;
    QAction* menuFileCheck_ = nullptr;
    QPointer<CheckListDialog> checkList_;
    std::array<QAction*, 3> menuFind_{};
    QAction* menuHelpSettingsAssoc_ = nullptr;
    QAction* menuHelpSettingsDes_ = nullptr;
    QAction* menuBarHelp_ = nullptr;
    QAction* menuShowArrow_ = nullptr;
    QAction* menuShowLink_ = nullptr;
    QList<QAction*> helpFileActions_;
    QStringList helpFileCaptions_;
};
