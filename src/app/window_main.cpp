// varkit-window: the window, started by varkit with the command line it was given.
#include "ui/RunWindow.h"

int main(int argc, char** argv)
{
    return RunWindow(argc, argv);
}
