#pragma once
// The widgets of the generated options: for each option its caption (DataOption), its selection
// mark (DataOptButton), its tile picture (DataOptImg) and its colour chip (DataOptColor), made
// when the model shows them and dropped when it hides them. The mouse on them and picture files
// dropped on a tile go to the option procedures of the core. Captions and tiles are Tab stops
// (EditScreenView puts them after their field) whose keys do what the mouse does.
#include "Twips.h"

#include <QObject>
#include <QPixmap>
#include <vector>

class EditScreen;
class FormState;
class QDropEvent;
class QKeyEvent;
class QLabel;
class QMouseEvent;

class OptionWidgets : public QObject {
    Q_OBJECT
public:
    OptionWidgets(FormState& form, QWidget* content);

    void Sync(int j, const TwipsScale& scale);
    void Drop(int j);
    // Keeps room for n options, dropping the widgets of those beyond.
    void Resize(int n);
    // The marks follow a new scale.
    void ClearPictures() { markSelected_ = markOpen_ = QPixmap(); }

    QLabel* caption(int j) const;
    QLabel* mark(int j) const;
    QLabel* image(int j) const;
    QWidget* chip(int j) const;
    int WidgetCount() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Widgets {
        QLabel* caption = nullptr;
        QLabel* mark = nullptr;
        QLabel* image = nullptr;
        QWidget* chip = nullptr;
    };
    void SyncChip(Widgets& w, int j, const TwipsScale& scale);
    void SyncImage(Widgets& w, int j, const TwipsScale& scale);
    void SyncCaption(Widgets& w, int j, const TwipsScale& scale);
    void SyncMark(Widgets& w, int j, const TwipsScale& scale);
    QPixmap MarkPixmap(bool selected, const TwipsScale& scale);
    // Makes a widget of option j that reports the mouse (and, for a tile, drops) here.
    template <typename W>
    W* Make(const char* name, int j);
    bool OnMouse(QObject* watched, int j, QMouseEvent* event);
    // Space or Enter on a caption or tile chooses the option; the Menu key or Shift+F10 does
    // what the right mouse button does there.
    bool OnKey(QObject* watched, int j, const QKeyEvent* key);
    void RightButtonAction(QObject* watched, int j);
    bool OnDrag(int j, QDropEvent* event, bool drop);

    FormState& form_;
    EditScreen& screen_;
    QWidget* content_;
    std::vector<Widgets> options_;
    QPixmap markSelected_;
    QPixmap markOpen_;
};
