#include "MainWindow.h"

#include "AdvancedSettingsPanel.h"
#include "EditScreenView.h"
#include "RichTextView.h"
#include "editscreen/ColorEditor.h"
#include "platform/Paths.h"
#include "shell/AdvancedSettings.h"
#include "shell/FileCommands.h"
#include "shell/FormState.h"
#include "shell/ImportTemplate.h"
#include "shell/ScreenCommands.h"
#include "shell/StartUp.h"
#include "shell/TplAssociation.h"
#include "shell/WindowLayout.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

// Controls the resize rules leave alone keep these design-time places (twips, in their frame).
constexpr Geometry kBadge{120, 90, 660, 300};
constexpr Geometry kFrameTitle{900, 105, 5040, 270};
constexpr Geometry kSizeCaption{6000, 105, 900, 270};
constexpr Geometry kSizeValue{6960, 105, 900, 270};
// The markup screen's title is longer: its size label stands further right.
constexpr Geometry kMarkupTitle{900, 105, 6600, 270};
constexpr Geometry kMarkupSizeCaption{7560, 105, 900, 270};
constexpr Geometry kMarkupSizeValue{8520, 105, 900, 270};
constexpr Geometry kColorFrame{120, 450, 2580, 360};
constexpr Geometry kColorText{0, 0, 1320, 360};
constexpr Geometry kColorButton{1380, 0, 360, 360};
constexpr Geometry kColorCircle{1800, 15, 330, 330};
constexpr Geometry kColorBox{2220, 15, 330, 330};
constexpr Geometry kGetButton{2880, 450, 900, 360};
constexpr Geometry kSaveButton{3840, 450, 900, 360};
constexpr Geometry kReloadButton{4800, 450, 1800, 360};
constexpr Geometry kTagButtonFrame{120, 450, 7800, 360};
constexpr Geometry kMakeHtmlButton{120, 450, 1500, 360};
constexpr Geometry kBackButton{1680, 450, 1100, 360};
constexpr Geometry kPreviewTopButton{2840, 450, 1100, 360};
constexpr Geometry kHtmlNote{4100, 510, 6600, 270};
constexpr int kBarThickness = 90;

QLabel* MakeLabel(const QString& text, QWidget* parent, const char* name = nullptr)
{
    auto* label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    return label;
}

QLabel* MakeBadge(const QString& text, QWidget* parent)
{
    QLabel* badge = MakeLabel(text, parent);
    badge->setAlignment(Qt::AlignCenter);
    badge->setAutoFillBackground(true);
    QPalette p = badge->palette();
    p.setColor(QPalette::Window, QColor(96, 96, 112));
    p.setColor(QPalette::WindowText, Qt::white);
    badge->setPalette(p);
    QFont f = badge->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 0.85);
    badge->setFont(f);
    return badge;
}

QFrame* MakeFrame(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setAutoFillBackground(true);
    return frame;
}

QWidget* MakeLine(QWidget* parent)
{
    auto* line = new QWidget(parent);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, QColor(128, 128, 128));
    line->setPalette(p);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

void SetBackground(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    if (p.color(QPalette::Window) == color && widget->autoFillBackground())
        return;
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

// The round swatch of the colour editor.
class CircleSwatch : public QWidget {
public:
    explicit CircleSwatch(QWidget* parent) : QWidget(parent) {}
    void SetColor(const QColor& color)
    {
        if (color == color_)
            return;
        color_ = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(64, 64, 64), 1));
        painter.setBrush(color_);
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }

private:
    QColor color_{0x88, 0x88, 0x88};
};

QIcon PaletteIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colors[] = {QColor(220, 40, 40), QColor(40, 160, 40), QColor(40, 80, 220), QColor(240, 200, 20)};
    const int half = size / 2;
    for (int k = 0; k < 4; ++k)
        painter.fillRect(QRect((k % 2) * half, (k / 2) * half, half, half), colors[k]);
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(QRect(0, 0, size - 1, size - 1));
    return QIcon(pixmap);
}

}  // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return;
    }
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    releaseEndsDoubleClick_ = true;
    emit doubleClicked();
}

MainWindow::MainWindow(FormState& form, QWidget* parent) : QMainWindow(parent), form_(form)
{
    setObjectName(QStringLiteral("MainWindow"));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client_);
    scale_ = TwipsScale::Of(this);

    BuildMenus();
    BuildTabStrip();
    BuildEditScreen();
    BuildMarkupScreen();
    BuildExportScreen();
    BuildPanels();

    client_->installEventFilter(this);
    form_.onFormResize = [this] { ApplyLayout(); };
    form_.onCloseRequest = [this] { close(); };
    form_.onFocusFileName = [this] {
        if (!fileName_->isEnabled())
            return;
        fileName_->setFocus(Qt::OtherFocusReason);
        fileName_->setCursorPosition(static_cast<int>(fileName_->text().size()));
    };
    connect(&form_, &FormState::stateChanged, this, &MainWindow::ScheduleSync);

    setMinimumSize(scale_.X(6000), scale_.Y(4500));
    resize(scale_.X(12000), scale_.Y(9000));
    SyncFromState();
    ApplyLayout();
}

MainWindow::~MainWindow()
{
    form_.onFormResize = nullptr;
    form_.onFocusFileName = nullptr;
    form_.onCloseRequest = nullptr;
}

void MainWindow::BuildMenus()
{
    QMenuBar* bar = menuBar();
    menuFile_ = bar->addMenu(QStringLiteral("&File     "));
    menuFile_->setObjectName(QStringLiteral("MenuFile"));
    auto add = [](QMenu* menu, const QString& caption, const char* name) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    // Opening the menu sets which entries the current screen allows.
    connect(menuFile_, &QMenu::aboutToShow, this, [this] {
        MenuFile_Click(form_);
        SyncFileMenu();
    });
    menuFileOpen_[0] = add(menuFile_, QStringLiteral("&Open ..."), "MenuFileOpen0");
    connect(menuFileOpen_[0], &QAction::triggered, this, [this] { MenuFileOpen_Click(form_, 0); });
    menuFileOpen_[1] = add(menuFile_, QStringLiteral("&Clear"), "MenuFileOpen1");
    connect(menuFileOpen_[1], &QAction::triggered, this, [this] { MenuFileOpen_Click(form_, 1); });
    menuFile_->addSeparator()->setObjectName(QStringLiteral("MenuBar0"));
    menuFileSave_[0] = add(menuFile_, QStringLiteral("&Save Template"), "MenuFileSave0");
    connect(menuFileSave_[0], &QAction::triggered, this, [this] { MenuFileSave_Click(form_, 0); });
    menuFileSave_[1] = add(menuFile_, QStringLiteral("Save Template &As ..."), "MenuFileSave1");
    connect(menuFileSave_[1], &QAction::triggered, this, [this] { MenuFileSave_Click(form_, 1); });
    menuFile_->addSeparator()->setObjectName(QStringLiteral("MenuBar1"));
    add(menuFile_, QStringLiteral("Save &Data Selections with Template ..."), "MenuFileSaveDefaultsVoid")->setVisible(false);
    menuFileSaveModified_ = add(menuFile_, QStringLiteral("Save Edited &Data fields ..."), "MenuFileSaveModified");
    menuFileSaveWeb_ = add(menuFile_, QStringLiteral("Save as Auction &Code ..."), "MenuFileSaveWeb");
    connect(menuFileSaveWeb_, &QAction::triggered, this, [this] { MenuFileSaveWeb_Click(form_); });
    menuFile_->addSeparator()->setObjectName(QStringLiteral("MenuBar2"));
    connect(add(menuFile_, QStringLiteral("Show VarKit &Folder ..."), "MenuFileFolder"), &QAction::triggered, this,
            [this] { MenuFileFolder_Click(form_); });
    connect(add(menuFile_, QStringLiteral("E&xit"), "MenuFileExit"), &QAction::triggered, this,
            [this] { MenuFileExit_Click(form_); });

    menuEdit_ = bar->addMenu(QStringLiteral("&Edit     "));
    menuEdit_->setObjectName(QStringLiteral("MenuEdit"));
    menuFind_[0] = add(menuEdit_, QStringLiteral("&Find ..."), "MenuFind0");
    menuFind_[1] = add(menuEdit_, QStringLiteral("Find &Next"), "MenuFind1");
    menuFind_[2] = add(menuEdit_, QStringLiteral("&Replace ..."), "MenuFind2");
    menuEdit_->addSeparator()->setObjectName(QStringLiteral("MenuBar7"));
    add(menuEdit_, QStringLiteral("Copy"), "MenuEditCopy");
    add(menuEdit_, QStringLiteral("Paste"), "MenuEditPaste");
    add(menuEdit_, QStringLiteral("Select All               Ctrl-A"), "MenuEditSelectAll");
    menuEdit_->addSeparator()->setObjectName(QStringLiteral("menubar5"));
    const char* insertions[] = {
        "Bold                       Ctrl-B", "Italic                       Ctrl-I", "Underline               Ctrl-U",
        "List Item                 Ctrl-L", "Smaller                   Ctrl-Minus", "Bigger                    Ctrl-Plus",
        "NoBreak Space     Ctrl-Space", "Line Break             Ctrl-Enter",
    };
    for (int k = 0; k < 8; ++k)
        add(menuEdit_, QString::fromLatin1(insertions[k]), "MenuEditInsertion")->setProperty("index", k);

    menuHelp_ = bar->addMenu(QStringLiteral("&Help     "));
    menuHelp_->setObjectName(QStringLiteral("MenuHelp"));
    menuBarHelp_ = menuHelp_->addSeparator();
    menuBarHelp_->setObjectName(QStringLiteral("MenuBarHelp"));
    QMenu* settings = menuHelp_->addMenu(QStringLiteral("Advanced Settings ..."));
    settings->setObjectName(QStringLiteral("MenuHelpSettings"));
    menuHelpSettings_ = settings;
    connect(settings, &QMenu::aboutToShow, this, [this] {
        MenuHelpSettings_Click(form_);
        SyncFromState();
    });
    menuHelpSettingsAssoc_ = add(settings, QStringLiteral("Link TPL files"), "MenuHelpSettingsAssoc");
    menuHelpSettingsAssoc_->setVisible(false);
    connect(menuHelpSettingsAssoc_, &QAction::triggered, this, [this] { MenuHelpSettingsAssoc_Click(form_); });
    menuHelpSettingsDes_ = add(settings, QStringLiteral("Create Designer Private Label File ..."), "MenuHelpSettingsDes");
    connect(menuHelpSettingsDes_, &QAction::triggered, this, [this] {
        MenuHelpSettingsDes_Click(form_);
        SyncFromState();
    });
    add(settings, QStringLiteral("Create Designer Installation File ..."), "MenuHelpSettingsAction")->setVisible(false);
    add(menuHelp_, QStringLiteral("&About VarKit ..."), "MenuHelpAbout");

    menuShowArrow_ = bar->addAction(QStringLiteral(" Click Link to Open  \u00BB"));
    menuShowArrow_->setObjectName(QStringLiteral("MenuShowArrow"));
    menuShowArrow_->setEnabled(false);
    menuShowArrow_->setVisible(false);
    menuShowLink_ = bar->addAction(QString());
    menuShowLink_->setObjectName(QStringLiteral("MenuShowLink"));
    menuShowLink_->setVisible(false);

    // Never on the menu bar: shown over a tile.
    menuTiles_ = new QMenu(QStringLiteral("Edit Tiles"), this);
    menuTiles_->setObjectName(QStringLiteral("MenuTiles"));
    add(menuTiles_, QStringLiteral("Copy Tile"), "MenuTilesCopy");
    add(menuTiles_, QStringLiteral("Paste as new Tile"), "MenuTilesPaste");
}

void MainWindow::SyncHelpMenu()
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
            menuHelp_->insertAction(menuBarHelp_, action);
            helpFileActions_ << action;
        }
    }
    menuBarHelp_->setVisible(form_.MenuBarHelpVisible);
}

void MainWindow::SyncFileMenu()
{
    const FileMenuState& menu = form_.FileMenu;
    menuFileOpen_[0]->setEnabled(menu.open);
    menuFileOpen_[1]->setEnabled(menu.clear);
    menuFileSave_[0]->setEnabled(menu.save);
    menuFileSave_[1]->setEnabled(menu.saveAs);
    menuFileSaveModified_->setEnabled(menu.saveModified);
    menuFileSaveWeb_->setEnabled(menu.saveWeb);
}

void MainWindow::BuildTabStrip()
{
    line0_ = MakeLine(client_);
    line0_->setObjectName(QStringLiteral("Line0"));
    tabFrame_ = new QWidget(client_);
    tabFrame_->setObjectName(QStringLiteral("TabFrame"));
    const char* captions[] = {"EDIT", "MARKUP", nullptr, nullptr, "EXPORT"};
    // Bars first, in tab order, so each later bar covers the start of the one before it.
    for (int i : {0, 1, 4}) {
        QWidget* bar = new QWidget(tabFrame_);
        bar->setObjectName(QStringLiteral("ColorLine%1").arg(i));
        bar->setAutoFillBackground(true);
        colorLines_[static_cast<size_t>(i)] = bar;
    }
    for (int i : {0, 1, 4}) {
        auto* tab = new ClickLabel(QString::fromLatin1(captions[i]), tabFrame_);
        tab->setObjectName(QStringLiteral("TabTop%1").arg(i));
        tab->setAlignment(Qt::AlignCenter);
        tab->setCursor(Qt::PointingHandCursor);
        QFont f = tab->font();
        f.setBold(true);
        tab->setFont(f);
        tab->setFrameShape(QFrame::StyledPanel);
        tabs_[static_cast<size_t>(i)] = tab;
        connect(tab, &ClickLabel::clicked, this, [this, i] { TabTop_Click(form_, i); });
        connect(tab, &ClickLabel::doubleClicked, this, [this, i] { TabTop_DblClick(form_, i); });
    }
    fileSizeLabel_ = MakeLabel(QStringLiteral("file size:"), tabFrame_);
    fileSize_ = MakeLabel(QString(), tabFrame_, "FileSize");

    fileNameLabel_ = MakeLabel(QStringLiteral("Template:"), client_);
    fileName_ = new QLineEdit(client_);
    fileName_->setObjectName(QStringLiteral("FileName"));
    fileName_->setAcceptDrops(true);
    fileName_->installEventFilter(this);
    connect(fileName_, &QLineEdit::textEdited, this, [this](const QString& text) { form_.FileName.text = text; });
    connect(fileName_, &QLineEdit::returnPressed, this, [this] {
        form_.FileName.text = fileName_->text();
        FileName_KeyPress(form_, 13);
    });
}

QPushButton* MainWindow::MakeButton(int index, QWidget* parent)
{
    auto* button = new QPushButton(form_.Button[static_cast<size_t>(index)].caption, parent);
    button->setObjectName(QStringLiteral("Button%1").arg(index));
    button->setAutoDefault(false);
    buttons_[static_cast<size_t>(index)] = button;
    connect(button, &QPushButton::clicked, this, [this, index] { Button_Click(form_, index); });
    return button;
}

void MainWindow::BuildEditScreen()
{
    descFrame_ = MakeFrame(client_, "DescFrame");
    MakeBadge(QStringLiteral("DESC"), descFrame_)->setObjectName(QStringLiteral("DescBadge"));
    QLabel* title = MakeLabel(QStringLiteral("Modify Data Fields"), descFrame_, "DescTitle");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    MakeLabel(QStringLiteral("code size:"), descFrame_, "EditSizeCaption");
    editSize_ = MakeLabel(QString(), descFrame_, "EditSize");

    colorFrame_ = new QWidget(descFrame_);
    colorFrame_->setObjectName(QStringLiteral("EditColorFrame"));
    colorText_ = new QLineEdit(colorFrame_);
    colorText_->setObjectName(QStringLiteral("EditColorTxt"));
    colorText_->setToolTip(ColorEditorState::kTextToolTip);
    connect(colorText_, &QLineEdit::textEdited, this, [this](const QString& text) { form_.EditColor.text = text; });
    connect(colorText_, &QLineEdit::returnPressed, this, [this] {
        form_.EditColor.text = colorText_->text();
        EditColorTxt_KeyPress(form_.EditColor, 13);
        SyncFromState();
    });
    colorButton_ = new QToolButton(colorFrame_);
    colorButton_->setObjectName(QStringLiteral("EditColorBtn"));
    colorButton_->setToolTip(ColorEditorState::kButtonToolTip);
    colorButton_->setText(QStringLiteral("..."));
    connect(colorButton_, &QToolButton::clicked, this, [this] {
        EditColorBtn_Click(form_.EditColor, form_.dialogs());
        SyncFromState();
    });
    colorCircle_ = new CircleSwatch(colorFrame_);
    colorCircle_->setObjectName(QStringLiteral("EditColorCir"));
    colorBox_ = new ClickLabel(colorFrame_);
    colorBox_->setObjectName(QStringLiteral("EditColorBox"));
    colorBox_->setToolTip(ColorEditorState::kBoxToolTip);
    colorBox_->setFrameShape(QFrame::Box);
    connect(colorBox_, &ClickLabel::clicked, this, [this] {
        EditColorBox_Click(form_.EditColor, form_.dialogs());
        SyncFromState();
    });

    MakeButton(5, descFrame_);
    MakeButton(6, descFrame_);
    MakeButton(4, descFrame_);

    for (size_t k = 0; k < dataScrollLines_.size(); ++k) {
        dataScrollLines_[k] = MakeLine(descFrame_);
        dataScrollLines_[k]->setObjectName(QStringLiteral("DataScrollLine%1").arg(k));
    }
    editScreen_ = new EditScreenView(form_, descFrame_);
}

void MainWindow::BuildMarkupScreen()
{
    markupFrame_ = MakeFrame(client_, "MarkupFrame");
    MakeBadge(QStringLiteral("SHIP"), markupFrame_)->setObjectName(QStringLiteral("MarkupBadge"));
    MakeLabel(QStringLiteral("Enter or paste code or Drag-Drop a Template filename"), markupFrame_, "MarkupTitle");
    MakeLabel(QStringLiteral("code size:"), markupFrame_, "MarkupSizeCaption");
    markupSize_ = MakeLabel(QString(), markupFrame_, "MarkupSize");

    tagButtonFrame_ = new QWidget(markupFrame_);
    tagButtonFrame_->setObjectName(QStringLiteral("TagButtonFrame"));
    for (size_t k = 0; k < form_.TagButton.size(); ++k) {
        const TagButtonState& state = form_.TagButton[k];
        if (!state.exists)
            continue;
        auto* button = new QToolButton(tagButtonFrame_);
        button->setObjectName(QStringLiteral("TagButton%1").arg(k));
        button->setText(state.caption);
        button->setToolTip(state.toolTip);
        button->setFocusPolicy(Qt::NoFocus);
        if (k == 31)
            button->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
        else if (k == 40)
            button->setIcon(PaletteIcon(16));
        tagButtons_[k] = button;
    }

    markupText_ = new RichTextView(form_.MarkupText, markupFrame_);
    markupText_->setObjectName(QStringLiteral("MarkupText"));
    markupText_->setFont(MarkupFont());
    customLogo_ = new ClickLabel(markupFrame_);
    customLogo_->setObjectName(QStringLiteral("CustomLogo"));
    customLogo_->setAlignment(Qt::AlignCenter);
    customLogo_->setAutoFillBackground(true);
    customLogo_->hide();
    connect(customLogo_, &ClickLabel::clicked, this, [this] { CustomLogo_Click(form_); });
}

void MainWindow::BuildExportScreen()
{
    htmlFrame_ = MakeFrame(client_, "HTMLframe");
    MakeBadge(QStringLiteral("HTML"), htmlFrame_)->setObjectName(QStringLiteral("HtmlBadge"));
    MakeLabel(QStringLiteral("html size:"), htmlFrame_, "HtmlSizeCaption");
    htmlSize_ = MakeLabel(QString(), htmlFrame_, "HtmlSize");
    MakeLabel(QStringLiteral("This code is newly created each time this page is viewed."), htmlFrame_, "HtmlNote");
    MakeButton(0, htmlFrame_);
    MakeButton(1, htmlFrame_);
    MakeButton(12, htmlFrame_);
    htmlText_ = new RichTextView(form_.HTMLtext, htmlFrame_);
    htmlText_->setObjectName(QStringLiteral("HTMLtext"));
    MakeButton(2, htmlFrame_);
    MakeButton(3, htmlFrame_);
}

void MainWindow::BuildPanels()
{
    findFrame_ = MakeFrame(client_, "FindFrame");
    MakeLabel(QStringLiteral("Find what?"), findFrame_)->setGeometry(scale_.Rect({120, 120, 1200, 270}));
    (new QLineEdit(findFrame_))->setObjectName(QStringLiteral("FindBox"));
    MakeLabel(QStringLiteral("Replace"), findFrame_)->setGeometry(scale_.Rect({120, 600, 1200, 270}));
    (new QLineEdit(findFrame_))->setObjectName(QStringLiteral("ReplaceBox"));
    const char* findCaptions[] = {"Cancel", "Find Next", "Replace"};
    for (int k = 0; k < 3; ++k) {
        findButtons_[static_cast<size_t>(k)] = new QPushButton(QString::fromLatin1(findCaptions[k]), findFrame_);
        findButtons_[static_cast<size_t>(k)]->setObjectName(QStringLiteral("FindButton%1").arg(k));
        findButtons_[static_cast<size_t>(k)]->setAutoDefault(false);
    }
    findFrame_->findChild<QLineEdit*>(QStringLiteral("FindBox"))->setGeometry(scale_.Rect({1320, 90, 2760, 330}));
    findFrame_->findChild<QLineEdit*>(QStringLiteral("ReplaceBox"))->setGeometry(scale_.Rect({1320, 570, 2760, 330}));
    findButtons_[1]->setGeometry(scale_.Rect({120, 1140, 1260, 390}));
    findButtons_[2]->setGeometry(scale_.Rect({1440, 1140, 1260, 390}));
    findButtons_[0]->setGeometry(scale_.Rect({2760, 1140, 1260, 390}));
    findFrame_->hide();

    blowup_ = MakeFrame(client_, "Blowup");
    blowupLabel_ = MakeLabel(QString(), blowup_, "BlowupLabel");
    auto* editor = new QPlainTextEdit(blowup_);
    editor->setObjectName(QStringLiteral("DataBlowup"));
    dataBlowup_ = editor;
    blowupButtonFrame_ = new QWidget(blowup_);
    blowupButtonFrame_->setObjectName(QStringLiteral("BlowupButtonFrame"));
    auto* row = new QHBoxLayout(blowupButtonFrame_);
    row->setContentsMargins(scale_.X(120), 0, scale_.X(120), 0);
    row->addWidget(MakeLabel(QStringLiteral("32,000-character limit."), blowupButtonFrame_));
    row->addWidget(MakeLabel(QStringLiteral("Size:"), blowupButtonFrame_));
    row->addWidget(MakeLabel(QString(), blowupButtonFrame_, "BlowupSize"));
    row->addWidget(MakeLabel(QStringLiteral("Use Ctrl-Enter or Ctrl-Space to add HTML Line breaks or spaces."), blowupButtonFrame_));
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), blowupButtonFrame_);
    ok->setObjectName(QStringLiteral("BlowupButton1"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), blowupButtonFrame_);
    cancel->setObjectName(QStringLiteral("BlowupButton0"));
    row->addWidget(ok);
    row->addWidget(cancel);
    blowup_->hide();

    advSettings_ = new AdvancedSettingsPanel(form_, client_);
    advSettings_->ApplyLayout(scale_);

    frame1_ = MakeFrame(client_, "Frame1");
    MakeLabel(QStringLiteral("How do you want to handle these options in the modified template?"), frame1_)
        ->setGeometry(scale_.Rect({120, 120, 6600, 300}));
    frame1_->setGeometry(scale_.Rect({600, 1800, 7200, 3000}));
    frame1_->hide();
}

void MainWindow::ScheduleSync()
{
    if (syncScheduled_)
        return;
    syncScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        if (syncScheduled_)
            SyncFromState();
    });
}

void MainWindow::SyncFromState()
{
    syncScheduled_ = false;
    FormState& f = form_;
    if (windowTitle() != f.WindowCaption)
        setWindowTitle(f.WindowCaption);

    for (int i : {0, 1, 4}) {
        const QColor color = ToQColor(f.ColorLineColor[static_cast<size_t>(i)]);
        SetBackground(colorLines_[static_cast<size_t>(i)], color);
        SetBackground(tabs_[static_cast<size_t>(i)], color);
        tabs_[static_cast<size_t>(i)]->setToolTip(f.TabTopToolTip[static_cast<size_t>(i)]);
    }
    fileSize_->setText(f.FileSize);
    if (fileName_->text() != f.FileName.text)
        fileName_->setText(f.FileName.text);
    fileName_->setEnabled(f.FileName.enabled);
    fileName_->setVisible(f.FileName.visible);
    menuFile_->menuAction()->setEnabled(f.FileMenuEnabled);
    SyncFileMenu();
    menuEdit_->menuAction()->setEnabled(f.MenuEditEnabled);
    for (QAction* action : menuFind_)
        action->setEnabled(f.FindEnabled);
    findButtons_[1]->setEnabled(f.FindEnabled);
    findButtons_[2]->setEnabled(f.FindEnabled);
    menuHelpSettingsDes_->setEnabled(f.MenuHelpSettingsDes.enabled);
    menuHelpSettingsAssoc_->setText(f.AdvSettings.associateCaption);
    SyncHelpMenu();

    for (size_t k = 0; k < buttons_.size(); ++k) {
        QPushButton* button = buttons_[k];
        if (!button)
            continue;
        const CommandButtonState& state = f.Button[k];
        if (button->text() != state.caption)
            button->setText(state.caption);
        button->setToolTip(state.toolTip);
        button->setEnabled(state.enabled);
        button->setVisible(state.visible);
    }

    editSize_->setText(f.EditSize);
    markupSize_->setText(f.MarkupSize);
    htmlSize_->setText(f.HtmlSize);

    // The colour editor.
    if (colorText_->text() != f.EditColor.text)
        colorText_->setText(f.EditColor.text);
    static_cast<CircleSwatch*>(colorCircle_)->SetColor(ToQColor(f.EditColor.swatchColor));
    SetBackground(colorBox_, ToQColor(f.EditColor.swatchColor));
    if (f.EditColor.selectAllRequested) {
        f.EditColor.selectAllRequested = false;
        colorText_->selectAll();
        colorText_->setFocus(Qt::OtherFocusReason);
    }

    // Tag buttons and the splash logo.
    for (size_t k = 0; k < tagButtons_.size(); ++k)
        if (tagButtons_[k] && k <= 20)
            SetBackground(tagButtons_[k], ToQColor(f.TagButton[k].backColor));
    tagButtonFrame_->setVisible(f.TagButtonFrameVisible);
    tagButtonFrame_->setEnabled(f.TagButtonFrameEnabled);
    if (f.CustomLogoVisible) {
        const QSize size = customLogo_->size();
        if (!f.CustomLogoPicture.isNull() && size.width() > 0 && size.height() > 0) {
            const qreal ratio = devicePixelRatioF();
            QPixmap picture = QPixmap::fromImage(
                f.CustomLogoPicture.scaled(size * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            picture.setDevicePixelRatio(ratio);
            customLogo_->setPixmap(picture);
        } else {
            customLogo_->clear();
        }
        customLogo_->show();
        customLogo_->raise();
    } else {
        customLogo_->hide();
    }

    // The screens stand on top of each other; the one with the highest number is in front.
    struct Entry {
        QWidget* frame;
        bool visible;
        int z;
    } frames[] = {{descFrame_, f.DescFrameVisible, f.DescFrameZ},
                  {markupFrame_, f.MarkupFrameVisible, f.MarkupFrameZ},
                  {htmlFrame_, f.HTMLframeVisible, f.HTMLframeZ}};
    std::sort(std::begin(frames), std::end(frames), [](const Entry& a, const Entry& b) { return a.z < b.z; });
    for (const Entry& entry : frames) {
        entry.frame->setVisible(entry.visible);
        entry.frame->raise();
    }
    blowup_->setVisible(f.Blowup.visible);
    advSettings_->Sync();
    for (QWidget* panel : {static_cast<QWidget*>(blowup_), static_cast<QWidget*>(findFrame_),
                           static_cast<QWidget*>(advSettings_), static_cast<QWidget*>(frame1_)})
        panel->raise();
}

void MainWindow::Place(QWidget* widget, const Geometry& g)
{
    const QRect r = scale_.Rect(g);
    if (widget->geometry() != r)
        widget->setGeometry(r);
}

void MainWindow::ApplyLayout()
{
    const WindowLayoutModel& l = form_.layout;
    Place(line0_, {l.Line0.x1, l.Line0.y1, l.Line0.x2 - l.Line0.x1, 15});
    Place(tabFrame_, l.TabFrame);
    // Tab captions and bars are measured from the screens' left edge.
    const int origin = l.DescFrame.left;
    for (int i : {0, 1, 4}) {
        const Geometry& t = l.TabTop[static_cast<size_t>(i)];
        Place(tabs_[static_cast<size_t>(i)], {origin + t.left, t.top, t.width, t.height});
        const LayoutLine& line = l.ColorLine[static_cast<size_t>(i)];
        Place(colorLines_[static_cast<size_t>(i)], {origin + line.x1, line.y1, line.x2 - line.x1, kBarThickness});
    }
    Place(fileSizeLabel_, {origin + l.FileSizeLabel.left, l.FileSizeLabel.top, l.FileSizeLabel.width, l.FileSizeLabel.height});
    Place(fileSize_, {origin + l.FileSize.left, l.FileSize.top, l.FileSize.width, l.FileSize.height});
    Place(fileNameLabel_, l.FileNameLabel);
    Place(fileName_, l.FileName);

    // The edit screen.
    Place(descFrame_, l.DescFrame);
    Place(descFrame_->findChild<QLabel*>(QStringLiteral("DescBadge")), kBadge);
    Place(descFrame_->findChild<QLabel*>(QStringLiteral("DescTitle")), kFrameTitle);
    Place(descFrame_->findChild<QLabel*>(QStringLiteral("EditSizeCaption")), kSizeCaption);
    Place(editSize_, kSizeValue);
    Place(colorFrame_, kColorFrame);
    Place(colorText_, kColorText);
    Place(colorButton_, kColorButton);
    Place(colorCircle_, kColorCircle);
    Place(colorBox_, kColorBox);
    Place(buttons_[5], kGetButton);
    Place(buttons_[6], kSaveButton);
    Place(buttons_[4], kReloadButton);
    for (size_t k = 0; k < dataScrollLines_.size(); ++k) {
        const LayoutLine& line = l.DataScrollLine[k];
        Place(dataScrollLines_[k], {line.x1, line.y1, line.x2 - line.x1, 15});
    }
    editScreen_->SetScale(scale_);
    Place(editScreen_, form_.screen.DataScrollFrame);

    // The markup screen.
    Place(markupFrame_, l.MarkupFrame);
    Place(markupFrame_->findChild<QLabel*>(QStringLiteral("MarkupBadge")), kBadge);
    Place(markupFrame_->findChild<QLabel*>(QStringLiteral("MarkupTitle")), kMarkupTitle);
    Place(markupFrame_->findChild<QLabel*>(QStringLiteral("MarkupSizeCaption")), kMarkupSizeCaption);
    Place(markupSize_, kMarkupSizeValue);
    Place(tagButtonFrame_, kTagButtonFrame);
    int x = 0;
    for (size_t k = 0; k < tagButtons_.size(); ++k) {
        if (!tagButtons_[k])
            continue;
        const int width = k == 30 ? 720 : (k == 20 ? 450 : 360);
        if (k == 20 || k == 30)
            x += 120;  // a little gap between the groups
        Place(tagButtons_[k], {x, 0, width, kTagButtonFrame.height});
        x += width + 30;
    }
    Place(markupText_, l.MarkupText);
    Place(customLogo_, l.CustomLogo);

    // The export screen.
    Place(htmlFrame_, l.HTMLframe);
    Place(htmlFrame_->findChild<QLabel*>(QStringLiteral("HtmlBadge")), kBadge);
    Place(htmlFrame_->findChild<QLabel*>(QStringLiteral("HtmlSizeCaption")), kSizeCaption);
    Place(htmlSize_, kSizeValue);
    Place(htmlFrame_->findChild<QLabel*>(QStringLiteral("HtmlNote")), kHtmlNote);
    Place(buttons_[0], kMakeHtmlButton);
    Place(buttons_[1], kBackButton);
    Place(buttons_[12], kPreviewTopButton);
    Place(htmlText_, l.HTMLtext);
    Place(buttons_[2], l.PreviewButton);
    Place(buttons_[3], l.CopyButton);

    // Panels over the screens.
    Place(findFrame_, l.FindFrame);
    Place(blowup_, l.Blowup);
    Place(blowupLabel_, l.BlowupLabel);
    Place(dataBlowup_, l.DataBlowup);
    Place(blowupButtonFrame_, l.BlowupButtonFrame);
    advSettings_->ApplyLayout(scale_);

    if (form_.CustomLogoVisible)
        ScheduleSync();  // the logo picture follows its new size
}

void MainWindow::Relayout()
{
    scale_ = TwipsScale::Of(this);
    WindowLayoutModel& l = form_.layout;
    l.innerWidth = scale_.ToTwipsX(client_->width());
    l.innerHeight = scale_.ToTwipsY(client_->height());
    l.minimized = isMinimized();
    l.scrollbarHasFocus = editScreen_->scrollbar()->hasFocus();
    Form_Resize(form_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize)
        Relayout();
    if (watched == fileName_ && FileNameDragEvent(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::FileNameDragEvent(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    // Only a file list is taken, and only while the box takes input (not during an import);
    // the box's own text dragging is never offered.
    QStringList files;
    if (drop->mimeData() && drop->mimeData()->hasUrls())
        for (const QUrl& url : drop->mimeData()->urls())
            if (url.isLocalFile())
                files << url.toLocalFile();
    if (!fileName_->isEnabled() || form_.ImportRunning || !FileName_OLEDragOver(files)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // Loaded once the drop has finished, so the program the files came from is not kept
        // waiting while the questions and the import run.
        QTimer::singleShot(0, this, [this, files] {
            if (form_.ImportRunning)
                return;
            FileName_OLEDragDrop(form_, files);
            SyncFromState();
        });
    }
    return true;
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        form_.layout.minimized = isMinimized();
        if (!isMinimized())
            Relayout();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        // The close request asks about unsaved work; a cancelled or failed save keeps the
        // window open.
        if (Form_QueryUnload(form_)) {
            event->ignore();
            SyncFromState();
            return;
        }
        unloaded_ = true;
        Form_Unload(form_);
    }
    event->accept();
}
