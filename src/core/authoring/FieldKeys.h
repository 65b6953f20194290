#pragma once
// The key handlers of the edit screen's fields (DataField) and of the enlarged editor
// (DataBlowup). Ctrl chords wrap or unwrap the selection in simple HTML as in the other boxes
// (ShortcutTags); in a field Shift+Enter breaks the line, Down or Right at the end of the text
// and Up or Left at its start move to the next or previous field, and Enter moves on. A handler
// that takes a key sets the code to 0; a key-down that took a chord sets KeySwallowed so that
// the key-press which follows types nothing.
class TemplateSession;
struct BlowupState;

// Report "Data field Keydown".
void DataField_KeyDown(TemplateSession& session, int index, int& keyCode, int& shift);
// Report "DataField KeyPress".
void DataField_KeyPress(TemplateSession& session, int index, int& keyAscii);

// The chords only; report "Data Blowup Keydown".
void DataBlowup_KeyDown(TemplateSession& session, BlowupState& blowup, int& keyCode, int& shift);
// Discards the key after a chord; Enter otherwise types a line break.
void DataBlowup_KeyPress(TemplateSession& session, int& keyAscii);
