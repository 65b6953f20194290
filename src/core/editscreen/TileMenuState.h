#pragma once
// The tile pop-up menu "Edit Tiles" (never on the menu bar): the tile it was opened for and
// whether its paste entry was chosen.
#include <QString>

struct TileMenuState {
    static constexpr const char* kCaption = "Edit Tiles";
    static constexpr const char* kCopyCaption = "Copy Tile";
    static constexpr const char* kPasteCaption = "Paste as new Tile";

    QString tag;        // MenuTiles.Tag: the option index of the tile, as decimal text
    QString pasteTag;   // MenuTilesPaste.Tag: "paste" once the paste entry was chosen
    bool pasteEnabled = false;
};
