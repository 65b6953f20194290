#pragma once
// "Make HTML for each row of a CSV ..." in the window: the batch of the command line on the
// template now loaded. It asks for the table and the folder, shows a progress box with a Cancel
// button while the pages are made, and ends with a summary: how many pages were written and which
// rows failed and why. The window's own screens are not touched: the pages are made in a session
// of their own from the markup as it stands, each from the template's own values.
#include <QString>

class FormState;

inline const QString kBatchTitle = QStringLiteral("Make HTML for each row");

// True when there is a template to make pages from.
bool BatchAvailable(const FormState& form);
void MenuFileBatch_Click(FormState& form);
