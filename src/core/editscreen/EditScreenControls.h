#pragma once
// The plain records behind the generated edit screen. Every record holds the properties of
// one control; geometry is in twips, colours are 0x00BBGGRR, tags are decimal text.
#include <QImage>
#include <QString>

constexpr quint32 ColorRGB(int red, int green, int blue)
{
    return static_cast<quint32>(red & 0xFF) | (static_cast<quint32>(green & 0xFF) << 8)
        | (static_cast<quint32>(blue & 0xFF) << 16);
}

struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// DataLabel(i): the prompt shown to the user; its tag is the keyword's style.
struct LabelControl {
    QString caption;
    QString tag;
    Geometry geometry{120, 0, 1935, 435};
    bool visible = false;
    bool enabled = true;
    bool fontItalic = false;
    bool fontBold = false;
    bool fontUnderline = false;  // the hover look
    quint32 foreColor = 0x000000;
};

// DataField(i): the value box; its tag is the number of options of its option set, or "".
// The selection counts from 0 in the text, a CR LF as two characters; a refresh of the box
// keeps it.
struct TextBoxControl {
    QString text;
    int selStart = 0;
    int selLength = 0;
    QString tag;
    QString toolTip = QStringLiteral(" Enter text or leave blank. ");
    Geometry geometry{2400, 0, 4695, 480};
    bool visible = false;
    bool enabled = true;
    double fontSize = 10;
    bool fontBold = false;
    int borderStyle = 1;  // 0 = no border
    quint32 foreColor = 0x000000;
    quint32 backColor = 0xFFFFFF;
};

// DataButton(i): the small button that opens the enlarged editor; its tag is the group index.
struct SideButtonControl {
    QString tag;
    QString toolTip = QStringLiteral(" View enlarged window to enter or paste multi-line text.");
    Geometry geometry{2160, 0, 240, 540};
    bool visible = false;
    bool enabled = true;
};

struct EditField {
    LabelControl DataLabel;
    TextBoxControl DataField;
    SideButtonControl DataButton;
};

// DataOption(j): the option's text; its tag is the owning field's index.
struct OptionLabelControl {
    QString caption;
    QString tag;
    Geometry geometry{0, 0, 1000, 255};
    bool visible = false;
    bool enabled = true;
    double fontSize = 8;
    bool fontBold = false;
    quint32 backColor = ColorRGB(240, 240, 240);
};

// DataOptButton(j): the selection mark; `selected` means it shows the filled mark.
struct OptionMarkControl {
    QString tag;
    bool selected = false;
    Geometry geometry{0, 0, 210, 210};
    bool visible = false;
    bool enabled = true;
};

// DataOptImg(j): the tile picture of a tile option.
struct OptionImageControl {
    QImage picture;
    QString pictureFile;  // the file the picture was loaded from, "" when none was found
    Geometry geometry{0, 0, 480, 480};
    bool visible = false;
    bool enabled = true;
};

// DataOptColor(j): the chip of a colour option.
struct OptionColorControl {
    quint32 backColor = 0xFFFFFF;
    int backStyle = 0;  // 1 opaque, 0 transparent
    Geometry geometry{0, 0, 480, 480};
    bool visible = false;
};

struct FieldOption {
    OptionLabelControl DataOption;
    OptionMarkControl DataOptButton;
    OptionImageControl DataOptImg;
    OptionColorControl DataOptColor;
};

// DataKeep(g): the include-this-section checkbox; its tag is its own index.
struct KeepControl {
    QString caption;
    QString tag;
    int value = 1;
    Geometry geometry{120, 0, 1815, 255};
    bool visible = false;
    bool enabled = true;
    quint32 backColor = ColorRGB(208, 208, 208);
};

// DataGrouping(g): the outline that frames the rows of a group.
struct GroupingControl {
    Geometry geometry{60, 0, 3855, 0};
    bool visible = false;
};

struct FieldGroup {
    KeepControl DataKeep;
    GroupingControl DataGrouping;
};
