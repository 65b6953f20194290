#pragma once
// The widgets of the generated fields: for each field its label (DataLabel), its input box
// (DataField) and the button that opens the enlarged editor (DataButton), made when the model
// shows them and dropped when it hides them. A refresh applies the text, then the selection,
// then the focus the model asks for, so the caret survives it; what the user types and selects
// goes back into the model.
#include "Twips.h"

#include <QPixmap>
#include <QPlainTextEdit>
#include <vector>

class FormState;
class EditScreen;
class QLabel;
class QToolButton;
struct TextBoxControl;

// The input box of a generated field.
class FieldBox : public QPlainTextEdit {
    Q_OBJECT
public:
    FieldBox(QWidget* parent, int index);
    const int index;

signals:
    void focused();

protected:
    void focusInEvent(QFocusEvent* event) override;
};

class FieldWidgets : public QObject {
    Q_OBJECT
public:
    // Labels get `labelFilter` as their event filter (the view's hover).
    FieldWidgets(FormState& form, QWidget* content, QObject* labelFilter);

    void Sync(int i, const TwipsScale& scale);
    void Drop(int i);
    // Keeps room for n fields, dropping the widgets of those beyond.
    void Resize(int n);
    // The pictures follow a new scale.
    void ClearPictures() { buttonPicture_ = QPixmap(); }

    FieldBox* box(int i) const;
    QLabel* label(int i) const;
    QToolButton* button(int i) const;
    int WidgetCount() const;

protected:
    // Label clicks.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Widgets {
        QLabel* label = nullptr;
        FieldBox* box = nullptr;
        QToolButton* button = nullptr;
    };
    void SyncLabel(Widgets& w, int i, const TwipsScale& scale);
    void SyncBox(Widgets& w, int i, const TwipsScale& scale);
    void SyncButton(Widgets& w, int i, const TwipsScale& scale);
    // Keys and file drops of a new box go to its field's handlers.
    void WireBox(FieldBox* box);
    // The model of the box's field; none while a refresh writes the box.
    TextBoxControl* ModelOf(const FieldBox* box);
    void OnEdited(FieldBox* box);
    void OnSelected(FieldBox* box);
    QPixmap ButtonPicture(const TwipsScale& scale);

    FormState& form_;
    EditScreen& screen_;
    QWidget* content_;
    QObject* labelFilter_;
    std::vector<Widgets> fields_;
    bool updating_ = false;
    QPixmap buttonPicture_;
};

// What a field box's accessible name is when its label says nothing: the role of its style.
QString FieldRoleName(const QString& style);
