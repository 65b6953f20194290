#pragma once
// Files dropped on a field or on the enlarged editor. Each file in turn, by the field's style:
// an include field ("+") takes a text page's full path as its value; a picture or link field
// ("&", ":") takes a picture's bare name as its value, its full path with Ctrl; a plain-text
// field (" ") has a picture's bare name (full path with Ctrl) or a text page's full path (its
// contents with Ctrl) inserted at the caret. Other files and other fields take nothing. Pending
// window events run after each file.
#include <QStringList>

class TemplateSession;
struct BlowupState;

// Files dragged over a field or the enlarged editor may be dropped (copied) when the first is a
// picture or a text page.
bool FieldDropAccepted(const QStringList& files);

// Step "Drop Data"; `shift` is the classic shift state (2 Ctrl).
void DataField_OLEDragDrop(TemplateSession& session, int index, const QStringList& files, int shift);
// The same for the field the enlarged editor edits, into the editor; include fields take none.
void DataBlowup_OLEDragDrop(TemplateSession& session, BlowupState& blowup, const QStringList& files, int shift);

// The largest text page whose contents a drop inserts; a larger one inserts nothing.
inline constexpr qint64 kDroppedTextLimit = 1024 * 1024;
