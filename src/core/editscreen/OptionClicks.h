#pragma once
// What the mouse does to the options of the edit screen: choosing an option, changing an
// option's text, re-colouring a colour chip, the tile menu (copy a tile, paste a copied picture
// file as a new tile) and picture files dropped on a tile. Right-button actions do nothing
// while the markup lock is on; the selection made when a button goes down always happens.
#include <QStringList>

class TemplateSession;
class EditScreen;

enum class MouseButton { Left, Right, Middle };

// Selects option j: the empty mark for every other option of its field, the selected mark for
// j, and j's caption into the field's text. Options of other fields are untouched.
void DataOptButton_Click(EditScreen& screen, int j);

// Any button pressed on an option label or a tile selects the option.
void DataOption_MouseDown(EditScreen& screen, int j);
void DataOptImg_MouseDown(EditScreen& screen, int j);

// The right button released on an option label asks for the option's new text.
void DataOption_MouseUp(TemplateSession& session, int j, MouseButton button, bool markupLocked);
// The right button released on a tile re-colours a colour chip, or offers the tile menu when
// the clipboard holds a file list.
void DataOptImg_MouseUp(TemplateSession& session, int j, MouseButton button, bool markupLocked);

// Whether files dragged over tile j may be dropped: only on a picture tile (not a colour chip)
// and only when the first file is a picture file.
bool TileAcceptsDrop(const EditScreen& screen, int j, const QStringList& files);
// Files dropped on tile j: the first becomes its picture, then the option is selected.
void DataOptImg_OLEDragDrop(TemplateSession& session, int j, const QStringList& files);

// The tile menu's entries.
void MenuTilesCopy_Click(TemplateSession& session);
void MenuTilesPaste_Click(TemplateSession& session);
