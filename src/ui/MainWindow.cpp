#include "MainWindow.h"

#include "AdvancedSettingsPanel.h"
#include "BlowupPanel.h"
#include "ColorEditorView.h"
#include "EditScreenView.h"
#include "FileNameBox.h"
#include "FindPanel.h"
#include "KeyForwarder.h"
#include "MainMenus.h"
#include "MarkupScreenView.h"
#include "RichTextView.h"
#include "TabCaption.h"
#include "WidgetKit.h"
#include "authoring/EditorEvents.h"
#include "shell/AdvancedSettings.h"
#include "shell/FileCommands.h"
#include "shell/FindCommands.h"
#include "shell/FormState.h"
#include "shell/FieldEvents.h"
#include "shell/ScreenCommands.h"
#include "shell/ScreenTag.h"
#include "shell/StartUp.h"
#include "shell/WindowLayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace {

// Controls the resize rules leave alone keep these design-time places (twips, in their frame).
constexpr Geometry kBadge{120, 90, 660, 300};
constexpr Geometry kFrameTitle{900, 105, 5040, 270};
constexpr Geometry kSizeCaption{6000, 105, 900, 270};
constexpr Geometry kSizeValue{6960, 105, 900, 270};
constexpr Geometry kGetButton{2880, 450, 900, 360};
constexpr Geometry kSaveButton{3840, 450, 900, 360};
constexpr Geometry kReloadButton{4800, 450, 1800, 360};
constexpr Geometry kMakeHtmlButton{120, 450, 1500, 360};
constexpr Geometry kBackButton{1680, 450, 1100, 360};
constexpr Geometry kPreviewTopButton{2840, 450, 1100, 360};
constexpr Geometry kHtmlNote{4100, 510, 6600, 270};
constexpr int kBarThickness = 90;

// The tab of each screen: 0 EDIT, 1 MARKUP, 4 EXPORT.
int TabOf(Screen screen)
{
    switch (screen) {
    case Screen::Markup:
    case Screen::NoMarkup: return 1;
    case Screen::Export: return 4;
    default: return 0;
    }
}

void PlaceChild(QWidget* frame, const QString& name, const TwipsScale& scale, const Geometry& g)
{
    Place(frame->findChild<QWidget*>(name), scale, g);
}

}  // namespace

MainWindow::MainWindow(FormState& form, QWidget* parent) : QMainWindow(parent), form_(form)
{
    setObjectName(QStringLiteral("MainWindow"));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client_);
    scale_ = TwipsScale::Of(this);

    menus_ = new MainMenus(form_, *this);
    BuildTabStrip();
    BuildEditScreen();
    markupScreen_ = new MarkupScreenView(form_, client_);
    BuildExportScreen();
    BuildPanels();
    BuildKeys();

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

RichTextView* MainWindow::markupText() const { return markupScreen_->markupText(); }
QFrame* MainWindow::markupFrame() const { return markupScreen_; }
QLineEdit* MainWindow::colorText() const { return colorEditor_->textBox(); }
QMenu* MainWindow::fileMenu() const { return menus_->fileMenu(); }
QMenu* MainWindow::helpMenu() const { return menus_->helpMenu(); }
QMenu* MainWindow::helpSettingsMenu() const { return menus_->helpSettingsMenu(); }
QMenu* MainWindow::tilesMenu() const { return menus_->tilesMenu(); }

void MainWindow::BuildTabStrip()
{
    line0_ = MakeLine(client_, QStringLiteral("Line0"));
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
        auto* tab = new TabCaption(QString::fromLatin1(captions[i]), tabFrame_);
        tab->setObjectName(QStringLiteral("TabTop%1").arg(i));
        tabs_[static_cast<size_t>(i)] = tab;
        connect(tab, &ClickLabel::clicked, this, [this, i] { TabTop_Click(form_, i); });
        connect(tab, &ClickLabel::doubleClicked, this, [this, i] { TabTop_DblClick(form_, i); });
    }
    fileSizeLabel_ = MakeLabel(QStringLiteral("file size:"), tabFrame_);
    fileSize_ = MakeLabel(QString(), tabFrame_, QStringLiteral("FileSize"));

    fileNameLabel_ = MakeLabel(QStringLiteral("Template:"), client_);
    fileName_ = new FileNameBox(form_, client_);
}

QPushButton* MainWindow::MakeCommandButton(int index, QWidget* parent)
{
    const CommandButtonState& state = form_.Button[static_cast<size_t>(index)];
    QPushButton* button = MakeButton(state.caption, parent, QStringLiteral("Button%1").arg(index));
    buttons_[static_cast<size_t>(index)] = button;
    connect(button, &QPushButton::clicked, this, [this, index] { Button_Click(form_, index); });
    return button;
}

void MainWindow::BuildEditScreen()
{
    descFrame_ = MakeFrame(client_, QStringLiteral("DescFrame"));
    MakeBadge(QStringLiteral("DESC"), descFrame_, QStringLiteral("DescBadge"));
    QLabel* title = MakeLabel(QStringLiteral("Modify Data Fields"), descFrame_, QStringLiteral("DescTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    MakeLabel(QStringLiteral("code size:"), descFrame_, QStringLiteral("EditSizeCaption"));
    editSize_ = MakeLabel(QString(), descFrame_, QStringLiteral("EditSize"));
    colorEditor_ = new ColorEditorView(form_, descFrame_);
    MakeCommandButton(5, descFrame_);
    MakeCommandButton(6, descFrame_);
    MakeCommandButton(4, descFrame_);
    for (size_t k = 0; k < dataScrollLines_.size(); ++k)
        dataScrollLines_[k] = MakeLine(descFrame_, QStringLiteral("DataScrollLine%1").arg(k));
    editScreen_ = new EditScreenView(form_, descFrame_);
}

void MainWindow::BuildExportScreen()
{
    htmlFrame_ = MakeFrame(client_, QStringLiteral("HTMLframe"));
    MakeBadge(QStringLiteral("HTML"), htmlFrame_, QStringLiteral("HtmlBadge"));
    MakeLabel(QStringLiteral("html size:"), htmlFrame_, QStringLiteral("HtmlSizeCaption"));
    htmlSize_ = MakeLabel(QString(), htmlFrame_, QStringLiteral("HtmlSize"));
    MakeLabel(QStringLiteral("This code is newly created each time this page is viewed."), htmlFrame_, QStringLiteral("HtmlNote"));
    MakeCommandButton(0, htmlFrame_);
    MakeCommandButton(1, htmlFrame_);
    MakeCommandButton(12, htmlFrame_);
    htmlText_ = new RichTextView(form_.HTMLtext, htmlFrame_);
    htmlText_->setObjectName(QStringLiteral("HTMLtext"));
    KeyForwarder::Install(
        htmlText_, [this](int& keyCode, int shift) { HTMLtext_KeyDown(form_, keyCode, shift); },
        [this](int& keyAscii) { HTMLtext_KeyPress(form_, keyAscii); });
    htmlText_->setAccessibleName(QStringLiteral("HTML code"));
    MakeCommandButton(2, htmlFrame_);
    MakeCommandButton(3, htmlFrame_);
}

void MainWindow::BuildPanels()
{
    findPanel_ = new FindPanel(form_, client_);
    blowupPanel_ = new BlowupPanel(form_, client_);
    advSettings_ = new AdvancedSettingsPanel(form_, client_);
    advSettings_->ApplyLayout(scale_);
    frame1_ = MakeFrame(client_, QStringLiteral("Frame1"));
    MakeLabel(QStringLiteral("How do you want to handle these options in the modified template?"), frame1_)
        ->setGeometry(scale_.Rect({120, 120, 6600, 300}));
    frame1_->setGeometry(scale_.Rect({600, 1800, 7200, 3000}));
    frame1_->hide();
}

void MainWindow::BuildKeys()
{
    // Ctrl+1, Ctrl+2 and Ctrl+3 choose the EDIT, MARKUP and EXPORT tabs; no chord uses them.
    const int tabs[] = {0, 1, 4};
    for (int k = 0; k < 3; ++k) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + k)), this);
        const int tab = tabs[k];
        connect(shortcut, &QShortcut::activated, this, [this, tab] { TabTop_Click(form_, tab); });
    }
    // Escape closes the panel in front as its Cancel would; it is taken only while one is open.
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, &MainWindow::EscapePressed);
}

void MainWindow::EscapePressed()
{
    if (form_.AdvSettings.visible)
        AdvButton_Click(form_, 0);
    else if (form_.Blowup.visible)
        BlowupButton_Click(form_, 0);
    else if (form_.Find.visible)
        FindButton_Click(form_, 0);
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
    SyncTabs();
    fileSize_->setText(f.FileSize);
    if (fileName_->text() != f.FileName.text)
        fileName_->setText(f.FileName.text);
    fileName_->setEnabled(f.FileName.enabled);
    fileName_->setVisible(f.FileName.visible);
    menus_->Sync();
    SyncButtons();
    editSize_->setText(f.EditSize);
    htmlSize_->setText(f.HtmlSize);
    colorEditor_->Sync();
    markupScreen_->Sync();
    StackScreens();
    findPanel_->Sync();
    blowupPanel_->Sync();
    advSettings_->Sync();
    for (QWidget* panel : {static_cast<QWidget*>(blowupPanel_), static_cast<QWidget*>(findPanel_),
                           static_cast<QWidget*>(advSettings_), static_cast<QWidget*>(frame1_)})
        panel->raise();
    escape_->setEnabled(f.AdvSettings.visible || f.Blowup.visible || f.Find.visible);
}

void MainWindow::SyncTabs()
{
    const int front = TabOf(ScreenOf(form_));
    for (int i : {0, 1, 4}) {
        const QColor color = ToQColor(form_.ColorLineColor[static_cast<size_t>(i)]);
        SetBackground(colorLines_[static_cast<size_t>(i)], color);
        TabCaption* tab = tabs_[static_cast<size_t>(i)];
        SetBackground(tab, color);
        tab->setToolTip(form_.TabTopToolTip[static_cast<size_t>(i)]);
        tab->SetSelected(i == front);
    }
}

void MainWindow::SyncButtons()
{
    for (size_t k = 0; k < buttons_.size(); ++k) {
        QPushButton* button = buttons_[k];
        if (!button)
            continue;
        const CommandButtonState& state = form_.Button[k];
        if (button->text() != state.caption)
            button->setText(state.caption);
        button->setToolTip(state.toolTip);
        button->setEnabled(state.enabled);
        button->setVisible(state.visible);
    }
}

void MainWindow::StackScreens()
{
    // The screens stand on top of each other; the shown one with the highest number is in
    // front. The frames cover each other exactly, so only the one in front is shown: a screen
    // behind it is out of the focus chain and nothing typed can reach it.
    struct Entry {
        QWidget* frame;
        bool visible;
        int z;
    } frames[] = {{descFrame_, form_.DescFrameVisible, form_.DescFrameZ},
                  {markupScreen_, form_.MarkupFrameVisible, form_.MarkupFrameZ},
                  {htmlFrame_, form_.HTMLframeVisible, form_.HTMLframeZ}};
    std::sort(std::begin(frames), std::end(frames), [](const Entry& a, const Entry& b) { return a.z < b.z; });
    QWidget* front = nullptr;
    for (const Entry& entry : frames)
        if (entry.visible)
            front = entry.frame;
    QWidget* focus = QApplication::focusWidget();
    const bool focusHidden = focus && front && !front->isAncestorOf(focus)
        && (descFrame_->isAncestorOf(focus) || markupScreen_->isAncestorOf(focus) || htmlFrame_->isAncestorOf(focus));
    for (const Entry& entry : frames) {
        entry.frame->setVisible(entry.frame == front);
        entry.frame->raise();
    }
    // The focus left on a screen that went behind moves to the file-name box.
    if (focusHidden && fileName_->isEnabled())
        fileName_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ApplyLayout()
{
    const WindowLayoutModel& l = form_.layout;
    Place(line0_, scale_, {l.Line0.x1, l.Line0.y1, l.Line0.x2 - l.Line0.x1, 15});
    Place(tabFrame_, scale_, l.TabFrame);
    // Tab captions and bars are measured from the screens' left edge.
    const int origin = l.DescFrame.left;
    for (int i : {0, 1, 4}) {
        const Geometry& t = l.TabTop[static_cast<size_t>(i)];
        Place(tabs_[static_cast<size_t>(i)], scale_, {origin + t.left, t.top, t.width, t.height});
        const LayoutLine& line = l.ColorLine[static_cast<size_t>(i)];
        Place(colorLines_[static_cast<size_t>(i)], scale_, {origin + line.x1, line.y1, line.x2 - line.x1, kBarThickness});
    }
    Place(fileSizeLabel_, scale_, {origin + l.FileSizeLabel.left, l.FileSizeLabel.top, l.FileSizeLabel.width, l.FileSizeLabel.height});
    Place(fileSize_, scale_, {origin + l.FileSize.left, l.FileSize.top, l.FileSize.width, l.FileSize.height});
    Place(fileNameLabel_, scale_, l.FileNameLabel);
    Place(fileName_, scale_, l.FileName);

    // The edit screen.
    Place(descFrame_, scale_, l.DescFrame);
    PlaceChild(descFrame_, QStringLiteral("DescBadge"), scale_, kBadge);
    PlaceChild(descFrame_, QStringLiteral("DescTitle"), scale_, kFrameTitle);
    PlaceChild(descFrame_, QStringLiteral("EditSizeCaption"), scale_, kSizeCaption);
    Place(editSize_, scale_, kSizeValue);
    colorEditor_->ApplyLayout(scale_);
    Place(buttons_[5], scale_, kGetButton);
    Place(buttons_[6], scale_, kSaveButton);
    Place(buttons_[4], scale_, kReloadButton);
    for (size_t k = 0; k < dataScrollLines_.size(); ++k) {
        const LayoutLine& line = l.DataScrollLine[k];
        Place(dataScrollLines_[k], scale_, {line.x1, line.y1, line.x2 - line.x1, 15});
    }
    editScreen_->SetScale(scale_);
    Place(editScreen_, scale_, form_.screen.DataScrollFrame);

    markupScreen_->ApplyLayout(scale_);

    // The export screen.
    Place(htmlFrame_, scale_, l.HTMLframe);
    PlaceChild(htmlFrame_, QStringLiteral("HtmlBadge"), scale_, kBadge);
    PlaceChild(htmlFrame_, QStringLiteral("HtmlSizeCaption"), scale_, kSizeCaption);
    Place(htmlSize_, scale_, kSizeValue);
    PlaceChild(htmlFrame_, QStringLiteral("HtmlNote"), scale_, kHtmlNote);
    Place(buttons_[0], scale_, kMakeHtmlButton);
    Place(buttons_[1], scale_, kBackButton);
    Place(buttons_[12], scale_, kPreviewTopButton);
    Place(htmlText_, scale_, l.HTMLtext);
    Place(buttons_[2], scale_, l.PreviewButton);
    Place(buttons_[3], scale_, l.CopyButton);

    // Panels over the screens.
    findPanel_->ApplyLayout(scale_);
    blowupPanel_->ApplyLayout(scale_);
    advSettings_->ApplyLayout(scale_);
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

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!fitted_) {
        fitted_ = true;
        FitToScreen(this);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize)
        Relayout();
    return QMainWindow::eventFilter(watched, event);
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
