#pragma once
class TemplateSession;

// Writes the export text to the preview file (~tmpkit.htm in the session's temporary folder),
// its relative references pointed at the files they name, and asks the desktop to open it in
// the browser.
void LinkPreview(TemplateSession& session);
