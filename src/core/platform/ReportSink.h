#pragma once
// Where the small utilities that have no window of their own send their error reports.
// The program installs its Dialogs at start; until then reports go to standard error.
class Dialogs;

void SetReportDialogs(Dialogs* dialogs);
Dialogs& ReportDialogs();
