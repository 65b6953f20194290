#pragma once
// Takes files dropped on a widget (for a text box, its viewport): a drag that carries files is
// offered the copy effect when `accepts` likes them and refused otherwise; a drop hands them to
// `dropped` with the classic shift state (2 Ctrl). Drags without files are left to the widget.
#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

class FileDropFilter : public QObject {
    Q_OBJECT
public:
    using Accepts = std::function<bool(const QStringList& files)>;
    using Dropped = std::function<void(const QStringList& files, int shift)>;

    // Installs a filter on the widget; it lives as long as the widget.
    static FileDropFilter* Install(QWidget* target, Accepts accepts, Dropped dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FileDropFilter(QWidget* target, Accepts accepts, Dropped dropped);

    Accepts accepts_;
    Dropped dropped_;
};
