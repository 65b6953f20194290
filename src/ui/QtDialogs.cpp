#include "QtDialogs.h"

#include "Twips.h"

#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::None: return QMessageBox::NoIcon;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// "Web Files (*.HTM)|*.htm;*.html|All Files (*.*)|*.*" as Qt name filters.
QStringList ToNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString name = parts[i];
        const qsizetype paren = name.indexOf(QLatin1Char('('));
        if (paren >= 0)
            name = name.left(paren).trimmed();
        result << name + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return result;
}

// Texts carry Windows line breaks; a label shows a CR as a stray glyph.
QString ForLabel(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

}  // namespace

MsgAnswer QtDialogs::Message(const QString& title, const QString& text, MsgButtons buttons, MsgIcon icon)
{
    QMessageBox box(ToQtIcon(icon), title, ForLabel(text), ToQtButtons(buttons), parent_);
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default: return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

std::optional<QString> QtDialogs::Input(const QString& title, const QString& prompt, const QString& defaultText)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, title, ForLabel(prompt), QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

FileDialogResult QtDialogs::FileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(parent_, request.title, request.folder);
    if (request.folderOnly) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {QString(), request.filterIndex};
        return {dialog.selectedFiles().first(), request.filterIndex};
    }
    const QStringList filters = ToNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks about replacing a file itself, once it knows the name it will write
    // (an extension may still be added to the name typed here).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, request.save);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {QString(), request.filterIndex};
    const int index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return {dialog.selectedFiles().first(), index > 0 ? index : request.filterIndex};
}

std::optional<quint32> QtDialogs::Color(quint32 initialColor)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(initialColor), parent_);
    if (!chosen.isValid())
        return std::nullopt;
    return ColorRGB(chosen.red(), chosen.green(), chosen.blue());
}

namespace {

// At the mouse, unless the mouse is away from the focused control (the menu was asked for
// with the keyboard): then below that control's top left corner.
QPoint PopupPosition()
{
    const QPoint mouse = QCursor::pos();
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->rect().contains(focus->mapFromGlobal(mouse)))
        return mouse;
    return focus->mapToGlobal(QPoint(0, focus->height()));
}

}  // namespace

int QtDialogs::Popup(const QString& title, const QList<PopupItem>& items)
{
    QMenu menu(title, parent_);
    QList<QAction*> actions;
    for (const PopupItem& item : items) {
        QAction* action = menu.addAction(item.caption);
        action->setEnabled(item.enabled);
        actions << action;
    }
    QAction* chosen = menu.exec(PopupPosition());
    return chosen ? static_cast<int>(actions.indexOf(chosen)) : -1;
}

namespace {

// QProgressDialog shows itself once the work has run for half a second; while it is up, each
// step lets the window's events run, so that Cancel can be pressed.
class QtProgressBox : public ProgressBox {
public:
    QtProgressBox(QWidget* parent, const QString& title, const QString& label, int total)
        : dialog_(label, QStringLiteral("Cancel"), 0, total, parent)
    {
        dialog_.setWindowTitle(title);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }
    bool Advance(int done) override
    {
        dialog_.setValue(done);
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
};

}  // namespace

std::unique_ptr<ProgressBox> QtDialogs::Progress(const QString& title, const QString& label, int total)
{
    return std::make_unique<QtProgressBox>(parent_, title, label, total);
}
