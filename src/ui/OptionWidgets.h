#pragma once
// The widgets of the generated options: for each option its caption (DataOption), its selection
// mark (DataOptButton), its tile picture (DataOptImg) and its colour chip (DataOptColor), made
// when the model shows them and dropped when it hides them.
#include "Twips.h"

#include <QObject>
#include <QPixmap>
#include <vector>

class EditScreen;
class FormState;
class QLabel;

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

    FormState& form_;
    EditScreen& screen_;
    QWidget* content_;
    std::vector<Widgets> options_;
    QPixmap markSelected_;
    QPixmap markOpen_;
};
