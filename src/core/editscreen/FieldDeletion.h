#pragma once
class EditScreen;
class Dialogs;

// Removes every generated field, option and group (the patterns stay).
void DataFieldDelete(EditScreen& screen, Dialogs& dialogs);
