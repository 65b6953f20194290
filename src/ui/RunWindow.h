#pragma once
// Starts the window on the command line's template (or the start-up template) and runs it.
int RunWindow(int argc, char** argv);
