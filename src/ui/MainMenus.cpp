#include "MainMenus.h"

#include "CheckListDialog.h"
#include "shell/AdvancedSettings.h"
#include "shell/BatchWindowCommand.h"
#include "shell/EditInsertion.h"
#include "shell/FileCommands.h"
#include "shell/FindCommands.h"
#include "shell/FormState.h"
#include "shell/HelpMenu.h"
#include "shell/SaveEditedCommands.h"
#include "shell/StartUp.h"
#include "shell/TplAssociation.h"

#include <QMainWindow>
#include <QMenuBar>

namespace {

QAction* Add(QMenu* menu, const QString& caption, const QString& name, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

MainMenus::MainMenus(FormState& form, QMainWindow& window) : QObject(&window), form_(form), window_(window)
{
    BuildFileMenu();
    BuildEditMenu();
    BuildHelpMenu();

    QMenuBar* bar = window_.menuBar();
    menuShowArrow_ = bar->addAction(QStringLiteral(" Click Link to Open  \u00BB"));
    menuShowArrow_->setObjectName(QStringLiteral("MenuShowArrow"));
    menuShowArrow_->setEnabled(false);
    menuShowArrow_->setVisible(false);
    menuShowLink_ = bar->addAction(QString());
    menuShowLink_->setObjectName(QStringLiteral("MenuShowLink"));
    menuShowLink_->setVisible(false);
    connect(menuShowLink_, &QAction::triggered, this, [this] { MenuShowLink_Click(form_); });

    // Never on the menu bar: shown over a tile.
    menuTiles_ = new QMenu(QStringLiteral("Edit Tiles"), &window_);
    menuTiles_->setObjectName(QStringLiteral("MenuTiles"));
    Add(menuTiles_, QStringLiteral("Copy Tile"), QStringLiteral("MenuTilesCopy"));
    Add(menuTiles_, QStringLiteral("Paste as new Tile"), QStringLiteral("MenuTilesPaste"));

    // Assistive technology names a menu by its caption, without the mnemonic and the padding.
    for (QMenu* menu : {menuFile_, menuEdit_, menuHelp_, menuHelpSettings_, menuTiles_})
        menu->setAccessibleName(QString(menu->title()).remove(QLatin1Char('&')).trimmed());
}

void MainMenus::BuildFileMenu()
{
    menuFile_ = window_.menuBar()->addMenu(QStringLiteral("&File     "));
    menuFile_->setObjectName(QStringLiteral("MenuFile"));
    // Opening the menu sets which entries the current screen allows.
    connect(menuFile_, &QMenu::aboutToShow, this, [this] {
        MenuFile_Click(form_);
        SyncFileMenu();
    });
    const auto command = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };
    menuFileOpen_[0] = Add(menuFile_, QStringLiteral("&Open ..."), QStringLiteral("MenuFileOpen0"), QKeySequence(Qt::CTRL | Qt::Key_O));
    command(menuFileOpen_[0], [this] { MenuFileOpen_Click(form_, 0); });
    menuFileOpen_[1] = Add(menuFile_, QStringLiteral("&Clear"), QStringLiteral("MenuFileOpen1"));
    command(menuFileOpen_[1], [this] { MenuFileOpen_Click(form_, 1); });
    menuFile_->addSeparator()->setObjectName(QStringLiteral("MenuBar0"));
    menuFileSave_[0] = Add(menuFile_, QStringLiteral("&Save Template"), QStringLiteral("MenuFileSave0"), QKeySequence(Qt::CTRL | Qt::Key_S));
    command(menuFileSave_[0], [this] { MenuFileSave_Click(form_, 0); });
    menuFileSave_[1] = Add(menuFile_, QStringLiteral("Save Template &As ..."), QStringLiteral("MenuFileSave1"),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    command(menuFileSave_[1], [this] { MenuFileSave_Click(form_, 1); });
    menuFileCheck_ = Add(menuFile_, QStringLiteral("Chec&k Template ..."), QStringLiteral("MenuFileCheck"));
    command(menuFileCheck_, [this] { ShowCheckList(); });
    menuFile_->addSeparator()->setObjectName(QStringLiteral("MenuBar1"));
    Add(menuFile_, QStringLiteral("Save &Data Selections with Template ..."), QStringLiteral("MenuFileSaveDefaultsVoid"))->setVisible(false);
    menuFileSaveModified_ = Add(menuFile_, QStringLiteral("Save Edited &Data fields ..."), QStringLiteral("MenuFileSaveModified"));
    command(menuFileSaveModified_, [this] { MenuFileSaveModified_Click(form_); });
    menuFileSaveWeb_ = Add(menuFile_, QStringLiteral("Save as Auction &Code ..."), QStringLiteral("MenuFileSaveWeb"));
    command(menuFileSaveWeb_, [this] { MenuFileSaveWeb_Click(form_); });
    menuFileBatch_ = Add(menuFile_, QStringLiteral("&Make HTML for each row of a CSV ..."), QStringLiteral("MenuFileBatch"));
    command(menuFileBatch_, [this] { MenuFileBatch_Click(form_); });
    menuFile_->addSeparator()->setObjectName(QStringLiteral("MenuBar2"));
    command(Add(menuFile_, QStringLiteral("Show VarKit &Folder ..."), QStringLiteral("MenuFileFolder")),
            [this] { MenuFileFolder_Click(form_); });
    command(Add(menuFile_, QStringLiteral("E&xit"), QStringLiteral("MenuFileExit"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            [this] { MenuFileExit_Click(form_); });
}

void MainMenus::ShowCheckList()
{
    // One list at a time: a second request checks again in the list already open.
    if (!checkList_) {
        checkList_ = new CheckListDialog(form_, &window_);
        checkList_->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        checkList_->Refresh();
    }
    checkList_->show();
    checkList_->raise();
    checkList_->activateWindow();
}

void MainMenus::BuildEditMenu()
{
    menuEdit_ = window_.menuBar()->addMenu(QStringLiteral("&Edit     "));
    menuEdit_->setObjectName(QStringLiteral("MenuEdit"));
    const QKeySequence findKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::Key_F3), {}};
    const char* findCaptions[] = {"&Find ...", "Find &Next", "&Replace ..."};
    for (int k = 0; k < 3; ++k) {
        menuFind_[static_cast<size_t>(k)] = Add(menuEdit_, QString::fromLatin1(findCaptions[k]), QStringLiteral("MenuFind%1").arg(k), findKeys[k]);
        connect(menuFind_[static_cast<size_t>(k)], &QAction::triggered, this, [this, k] { MenuFind_Click(form_, k); });
    }
    menuEdit_->addSeparator()->setObjectName(QStringLiteral("MenuBar7"));
    // The boxes take Ctrl+C, Ctrl+V and Ctrl+A themselves; the items work on the box in use.
    connect(Add(menuEdit_, QStringLiteral("Copy"), QStringLiteral("MenuEditCopy")), &QAction::triggered, this,
            [this] { MenuEditCopy_Click(form_); });
    connect(Add(menuEdit_, QStringLiteral("Paste"), QStringLiteral("MenuEditPaste")), &QAction::triggered, this,
            [this] { MenuEditPaste_Click(form_); });
    connect(Add(menuEdit_, QStringLiteral("Select All               Ctrl-A"), QStringLiteral("MenuEditSelectAll")),
            &QAction::triggered, this, [this] { MenuEditSelectAll_Click(form_); });
    menuEdit_->addSeparator()->setObjectName(QStringLiteral("menubar5"));
    // The chords are the boxes' own keys, so the items name them in their captions only.
    const char* insertions[] = {
        "Bold                       Ctrl-B", "Italic                       Ctrl-I", "Underline               Ctrl-U",
        "List Item                 Ctrl-L", "Smaller                   Ctrl-Minus", "Bigger                    Ctrl-Plus",
        "NoBreak Space     Ctrl-Space", "Line Break             Ctrl-Enter",
    };
    for (int k = 0; k < 8; ++k) {
        QAction* item = Add(menuEdit_, QString::fromLatin1(insertions[k]), QStringLiteral("MenuEditInsertion%1").arg(k));
        connect(item, &QAction::triggered, this, [this, k] { MenuEditInsertion_Click(form_, k); });
    }
}

void MainMenus::BuildHelpMenu()
{
    menuHelp_ = window_.menuBar()->addMenu(QStringLiteral("&Help     "));
    menuHelp_->setObjectName(QStringLiteral("MenuHelp"));
    menuBarHelp_ = menuHelp_->addSeparator();
    menuBarHelp_->setObjectName(QStringLiteral("MenuBarHelp"));
    menuHelpSettings_ = menuHelp_->addMenu(QStringLiteral("Advanced Settings ..."));
    menuHelpSettings_->setObjectName(QStringLiteral("MenuHelpSettings"));
    connect(menuHelpSettings_, &QMenu::aboutToShow, this, [this] {
        MenuHelpSettings_Click(form_);
        Sync();
    });
    menuHelpSettingsAssoc_ = Add(menuHelpSettings_, QStringLiteral("Link TPL files"), QStringLiteral("MenuHelpSettingsAssoc"));
    menuHelpSettingsAssoc_->setVisible(false);
    connect(menuHelpSettingsAssoc_, &QAction::triggered, this, [this] { MenuHelpSettingsAssoc_Click(form_); });
    menuHelpSettingsDes_ = Add(menuHelpSettings_, QStringLiteral("Create Designer Private Label File ..."),
                               QStringLiteral("MenuHelpSettingsDes"));
    connect(menuHelpSettingsDes_, &QAction::triggered, this, [this] { MenuHelpSettingsDes_Click(form_); });
    Add(menuHelpSettings_, QStringLiteral("Create Designer Installation File ..."), QStringLiteral("MenuHelpSettingsAction"))
        ->setVisible(false);
    connect(Add(menuHelp_, QStringLiteral("&About VarKit ..."), QStringLiteral("MenuHelpAbout")), &QAction::triggered, this,
            [this] { MenuHelpAbout_Click(form_); });
}

void MainMenus::Sync()
{
    menuFile_->menuAction()->setEnabled(form_.FileMenuEnabled);
    SyncFileMenu();
    menuEdit_->menuAction()->setEnabled(form_.MenuEditEnabled);
    for (QAction* action : menuFind_)
        action->setEnabled(form_.FindEnabled);
    menuHelpSettingsDes_->setEnabled(form_.MenuHelpSettingsDes.enabled);
    menuHelpSettingsAssoc_->setText(form_.AdvSettings.associateCaption);
    SyncHelpMenu();
}

void MainMenus::SyncFileMenu()
{
    // The entries follow the screen at once, so that their shortcuts do only what the opened
    // menu would offer, and nothing while an import runs.
    const FileMenuState menu = FileMenuFor(form_);
    const bool on = form_.FileMenuEnabled;
    menuFileOpen_[0]->setEnabled(on && menu.open);
    menuFileOpen_[1]->setEnabled(on && menu.clear);
    menuFileSave_[0]->setEnabled(on && menu.save);
    menuFileSave_[1]->setEnabled(on && menu.saveAs);
    menuFileSaveModified_->setEnabled(on && menu.saveModified);
    menuFileSaveWeb_->setEnabled(on && menu.saveWeb);
    menuFileBatch_->setEnabled(on && menu.batch);
    menuFileCheck_->setEnabled(on && menu.save);
}

void MainMenus::SyncHelpMenu()
{
    QStringList captions;
    for (const MenuItemState& item : form_.MenuHelpFile)
        captions << item.caption + QLatin1Char('\n') + (item.visible ? QLatin1Char('1') : QLatin1Char('0'))
                + (item.enabled ? QLatin1Char('1') : QLatin1Char('0')) + (item.checked ? QLatin1Char('1') : QLatin1Char('0'));
    if (captions != helpFileCaptions_) {
        helpFileCaptions_ = captions;
        for (QAction* action : helpFileActions_) {
            menuHelp_->removeAction(action);
            delete action;
        }
        helpFileActions_.clear();
        for (size_t k = 0; k < form_.MenuHelpFile.size(); ++k) {
            const MenuItemState& item = form_.MenuHelpFile[k];
            auto* action = new QAction(item.caption, menuHelp_);
            if (item.caption == QLatin1String("-"))
                action->setSeparator(true);
            action->setObjectName(QStringLiteral("MenuHelpFile%1").arg(k));
            action->setVisible(item.visible);
            action->setEnabled(item.enabled);
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            const int index = static_cast<int>(k);
            connect(action, &QAction::triggered, this, [this, index] { MenuHelpFile_Click(form_, index); });
            menuHelp_->insertAction(menuBarHelp_, action);
            helpFileActions_ << action;
        }
    }
    menuBarHelp_->setVisible(form_.MenuBarHelpVisible);
    // An "&" of the link is shown, not taken as a mnemonic.
    menuShowLink_->setText(QString(form_.MenuShowLink.caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    menuShowLink_->setVisible(form_.MenuShowLink.visible);
    menuShowArrow_->setVisible(form_.MenuShowArrowVisible);
}
