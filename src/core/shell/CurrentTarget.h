#pragma once
// The text box a command works on, by the screen in front. Find, Replace, Copy, Paste, Select
// All, the Edit menu's insertion items and the enlarged editor's buttons ask these and never
// look at the screen themselves.
#include "editscreen/FieldTextTarget.h"

#include <optional>

class FormState;

// The markup box (not while locked), the export box or the enlarged editor; none on the edit
// screen.
TextTarget* FindTarget(FormState& form);

// The Edit menu's box: the find target, or on the edit screen the field that has (or last had)
// the focus. Holds the field's target for as long as it lives.
class EditMenuTarget {
public:
    explicit EditMenuTarget(FormState& form);
    // The box, or null when there is none (no usable field was active).
    TextTarget* get() { return field_ ? &*field_ : box_; }

private:
    TextTarget* box_ = nullptr;
    std::optional<FieldTextTarget> field_;
};
