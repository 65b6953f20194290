#pragma once
class FormState;

// Clears what the prior template left: its fields, options, groups and the Help-menu items it
// added, the segments and global names, the open group and the single undo; the content panel
// starts again at the top, `panelHeight` twips high.
void ResetTemplateState(FormState& form, int panelHeight);
