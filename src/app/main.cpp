// The varkit executable: the window, or one of the headless command-line tools.
#include "ui/MainWindow.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

const char* const kHelp =
    "Usage: varkit [TEMPLATE]\n"
    "       varkit i | d\n"
    "       varkit --help | --version\n"
    "\n"
    "VarKit is a data-entry tool for HTML templates: it reads the VarKit tags of a\n"
    "template, builds a form from them and merges the values into the finished page.\n"
    "\n"
    "  TEMPLATE     open this template (.tpl, .htm, .html or .txt)\n"
    "  i, d         register the .tpl file association and quit\n"
    "  --help       show this text and quit\n"
    "  --version    show the version and quit\n";

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("VarKit %s\n", VARKIT_VERSION_TEXT);
            return 0;
        }
    }
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
