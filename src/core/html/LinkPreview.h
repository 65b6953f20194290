#pragma once
class TemplateSession;

// Writes the export text to the preview file (~tmpkit.htm in the program folder) and asks the
// desktop to open it in the browser.
void LinkPreview(TemplateSession& session);
