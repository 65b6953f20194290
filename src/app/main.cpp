// The varkit executable: the window, or one of the headless command-line tools.
#include "platform/Paths.h"
#include "shell/HeadlessCommands.h"
#include "ui/RunWindow.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {

const char* const kHelp =
    "Usage: varkit [TEMPLATE]\n"
    "       varkit i | d\n"
    "       varkit --fields TEMPLATE\n"
    "       varkit --help | --version\n"
    "\n"
    "VarKit is a data-entry tool for HTML templates: it reads the VarKit tags of a\n"
    "template, builds a form from them and merges the values into the finished page.\n"
    "\n"
    "  TEMPLATE          open this template (.tpl, .htm, .html or .txt) in the window\n"
    "  i, d              register the .tpl file association and quit\n"
    "  --fields TEMPLATE import the template without a window and print its fields,\n"
    "                    section checkboxes and template segments as JSON on standard\n"
    "                    output; messages go to standard error as TITLE: TEXT, and a\n"
    "                    question takes Cancel where it offers one, else No\n"
    "  --help            show this text and quit\n"
    "  --version         show the version and quit\n"
    "\n"
    "Exit status: 0 on success, 2 when a template cannot be read or the arguments are wrong.\n";

// Headless tools need fonts and pictures but no screen.
int RunHeadless(int argc, char** argv, int (*command)(const QString&, const QString&), const QString& templatePath)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return command(LongPathName(QCoreApplication::applicationDirPath()), templatePath);
}

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
    if (argc >= 2 && std::strcmp(argv[1], "--fields") == 0) {
        if (argc != 3) {
            std::fputs("varkit: --fields takes one template path (see varkit --help)\n", stderr);
            return 2;
        }
        return RunHeadless(argc, argv, RunFieldsCommand, QString::fromLocal8Bit(argv[2]));
    }
    if (argc >= 2 && std::strncmp(argv[1], "--", 2) == 0) {
        std::fprintf(stderr, "varkit: unknown option %s (see varkit --help)\n", argv[1]);
        return 2;
    }
    return RunWindow(argc, argv);
}
