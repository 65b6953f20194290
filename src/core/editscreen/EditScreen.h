#pragma once
// The generated edit screen: three control arrays (fields, options, groups) whose element 0
// is the hidden pattern, the scroll area that holds them, and the colour table that styles
// them. Procedures change the records and then tell listeners what changed.
#include "EditScreenControls.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <vector>

enum class ScreenElement { Field, Option, Group, ScrollArea };

class EditScreen : public QObject {
    Q_OBJECT
public:
    EditScreen();

    // Counts include element 0, so a count is also the index of the next element.
    int FieldCount() const { return static_cast<int>(fields.size()); }
    int OptionCount() const { return static_cast<int>(options.size()); }
    int GroupCount() const { return static_cast<int>(groups.size()); }

    EditField& Field(int i) { return fields.at(static_cast<size_t>(i)); }
    const EditField& Field(int i) const { return fields.at(static_cast<size_t>(i)); }
    FieldOption& Option(int j) { return options.at(static_cast<size_t>(j)); }
    const FieldOption& Option(int j) const { return options.at(static_cast<size_t>(j)); }
    FieldGroup& Group(int g) { return groups.at(static_cast<size_t>(g)); }
    const FieldGroup& Group(int g) const { return groups.at(static_cast<size_t>(g)); }

    // New elements copy their pattern (element 0).
    int AddField();
    int AddOption();
    int AddGroup();
    void RemoveLastField();
    void RemoveLastOption();
    void RemoveLastGroup();

    // Scroll range rule: a content panel taller than the viewport scrolls by the difference;
    // the 16-bit scroll bar cannot take more than 32,767 (throws AppError 6, range unchanged).
    void ApplyScrollRange();

    // The options of field i, in the order they were added.
    std::vector<int> OptionsOfField(int i) const;
    // The options of every field at once, indexed by field: one pass over the options.
    std::vector<std::vector<int>> OptionRows() const;
    // The option of field i whose mark shows the selection, or -1.
    int SelectedOptionOfField(int i) const;

    // The field whose box has the keyboard focus (0: none). RequestFocus makes it the active
    // field and asks the view to give its box the focus.
    int ActiveField = 0;
    bool FocusRequested = false;
    void RequestFocus(int i);

    // Listeners (the edit-screen view) follow the model through these.
    void NotifyChanged(ScreenElement kind, int index) { emit changed(kind, index); }
    void NotifyReset() { emit reset(); }

    std::vector<EditField> fields;
    std::vector<FieldOption> options;
    std::vector<FieldGroup> groups;
    // Entry j: the picture file last pasted or dropped onto tile j ("" until then); it has an
    // entry for every option, element 0 included.
    QStringList TileSourceFiles{QString()};

    // The scroll area: the viewport, the content panel inside it and the scroll bar.
    Geometry DataScrollFrame{60, 1080, 11040, 5400};
    quint32 DataScrollFrameBackColor = ColorRGB(128, 128, 128);
    Geometry DataScrollInsert{0, 0, 10755, 120};
    quint32 DataScrollInsertBackColor = ColorRGB(208, 208, 208);
    bool DataScrollInsertVisible = true;
    struct ScrollBar {
        int value = 0;
        int max = 0;
        int largeChange = 0;
        bool enabled = false;
        int width = 255;
    } DataScrollbar;
    struct Message {
        QString caption;
        bool visible = false;
    } DataScrollMessage;

    // The group opened by the last StartGroup and not yet closed, as decimal text, or "".
    QString OpenGroupIndex;
    // Nine text/background colour pairs, one per field look.
    std::array<quint32, 18> ScreenColors{};

    static constexpr int kScrollLimit = 32767;

signals:
    void changed(ScreenElement kind, int index);
    void reset();
};

// The first field whose box is shown and takes input, or 0.
int FirstUsableField(const EditScreen& screen);

// Fills the colour table; entry 9 is the content panel's own background.
void InitScreenColors(EditScreen& screen);
