#pragma once
// The key handlers of the markup box (MarkupText) and the export box (HTMLtext). A key comes
// first to the key-down handler with its classic key code and shift state; a handler that
// takes the key sets the code to 0 and KeySwallowed, and the key-press handler that follows
// then discards the character.
class TemplateSession;

inline constexpr int kAltKeyCode = 18;

// Alt alone never reaches the markup box; Ctrl chords (ShortcutTags), Ctrl+Z among them, change
// its selection. Report "Source Edit".
void MarkupText_KeyDown(TemplateSession& session, int& keyCode, int& shift);
// The chords without Ctrl+Z (left to the box) and without the Alt rule. Report "Edit HTML screen".
void HTMLtext_KeyDown(TemplateSession& session, int& keyCode, int& shift);

// A key-press after a key-down that took its key types nothing: true then, with KeySwallowed
// cleared.
bool DiscardSwallowedKey(TemplateSession& session, int& keyAscii);

void MarkupText_KeyPress(TemplateSession& session, int& keyAscii);
void HTMLtext_KeyPress(TemplateSession& session, int& keyAscii);
