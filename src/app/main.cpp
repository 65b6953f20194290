// The varkit executable: one of the headless command-line tools, or the window. The tools link
// only the core, so a run of one loads no widget library; the window is the program beside this
// one, varkit-window, which takes over this process with the same arguments.
#include "platform/FreedesktopAssociation.h"
#include "platform/ProgramFolders.h"
#include "shell/BatchCommand.h"
#include "shell/ExportCommand.h"
#include "shell/HeadlessCommands.h"
#include "shell/TemplateCheck.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <unistd.h>

namespace {

const char* const kHelp =
    "Usage: varkit [TEMPLATE]\n"
    "       varkit i | d\n"
    "       varkit --fields TEMPLATE\n"
    "       varkit --export OUT TEMPLATE [--set PROMPT=VALUE]... [--set @N=VALUE]...\n"
    "                                    [--include NAME=yes|no]... [--include @N=yes|no]...\n"
    "       varkit --batch ROWS.csv --out-dir DIR TEMPLATE [--name COLUMN]\n"
    "       varkit --check TEMPLATE\n"
    "       varkit -h | --help | -V | --version\n"
    "\n"
    "VarKit is a data-entry tool for HTML templates: it reads the VarKit tags of a\n"
    "template, builds a form from them and merges the values into the finished page.\n"
    "\n"
    "  TEMPLATE          open this template (.tpl, .htm, .html or .txt) in the window\n"
    "  i, d              make VarKit the program that opens .tpl files for this user\n"
    "                    (file type, desktop entry, icons, default application) and\n"
    "                    quit; needs no display\n"
    "  --fields TEMPLATE import the template without a window and print its encoding,\n"
    "                    fields, section checkboxes and template segments as JSON on\n"
    "                    standard output; messages go to standard error as TITLE:\n"
    "                    TEXT, and a question takes Cancel where it offers one, else No\n"
    "  --export OUT TEMPLATE\n"
    "                    import the template without a window, apply the values, make\n"
    "                    the HTML and write it to OUT (in the template's encoding);\n"
    "                    OUT - writes the page to standard output\n"
    "    --set PROMPT=VALUE\n"
    "                    every field whose prompt is PROMPT (letter case and surrounding\n"
    "                    blanks ignored) takes VALUE; a field with options also selects\n"
    "                    the option whose caption is VALUE. Split at the first \"=\".\n"
    "    --set @N=VALUE  field number N takes VALUE (numbers as --fields prints them)\n"
    "    --include NAME=yes|no\n"
    "                    ticks or clears the section checkbox captioned NAME, or @N\n"
    "                    (true and false are taken as well)\n"
    "                    Boxes the window would show go to standard error as TITLE: TEXT.\n"
    "                    A PROMPT, NAME or number that matches nothing, a malformed\n"
    "                    option, an unreadable template or an unwritable OUT: a message\n"
    "                    on standard error, exit status 2, and OUT is left as it was.\n"
    "  --batch ROWS.csv --out-dir DIR TEMPLATE [--name COLUMN]\n"
    "                    one page per row of a CSV file (comma or semicolon separated,\n"
    "                    UTF-8 or windows-1252): the first row names what each column\n"
    "                    sets, as --set does (a prompt or @N), or include:NAME for a\n"
    "                    section (yes/no). Each page starts from the template's own\n"
    "                    values and goes to DIR/<COLUMN>.htm, or DIR/0001.htm, ...\n"
    "                    A column that names nothing or an unreadable file: exit 2 and\n"
    "                    nothing written. A row whose Make HTML fails is listed on\n"
    "                    standard error and not written (exit 1); the others are.\n"
    "  --check TEMPLATE  list what will surprise the template's users, one line each\n"
    "                    as FILE:LINE:COLUMN: message (tags never closed, sections\n"
    "                    that get no checkbox, globals never defined, files not found,\n"
    "                    colours that are none, limits passed); exit 0 when there is\n"
    "                    nothing to say, 1 when there is\n"
    "  -h, --help        show this text and quit\n"
    "  -V, --version     show the version and quit\n"
    "\n"
    "Files: the shipped templates, backgrounds and help page are read from the program\n"
    "folder (PREFIX/share/varkit when installed); what VarKit writes for you goes to\n"
    "$XDG_DATA_HOME/varkit (looked in first) and the settings to\n"
    "$XDG_CONFIG_HOME/varkit/varkit.ini.\n"
    "\n"
    "Exit status: 0 on success, 1 when some pages of a batch failed or a check found\n"
    "something, 2 when a template cannot be read, the arguments are wrong or the\n"
    "window has no display.\n"
    "\n"
#ifdef VARKIT_BUG_REPORT_URL
    "Report problems at <" VARKIT_BUG_REPORT_URL ">.\n";
#else
    "Report problems to the VarKit project's issue tracker, with the output of\n"
    "'varkit --version' and the template that shows the problem.\n";
#endif

const char* const kVersion =
    "varkit (VarKit) " VARKIT_VERSION_TEXT "\n"
    "Copyright (C) 2026 the VarKit developers.\n"
    "License MIT: <https://opensource.org/licenses/MIT>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

bool Is(const char* argument, const char* shortForm, const char* longForm)
{
    return std::strcmp(argument, shortForm) == 0 || std::strcmp(argument, longForm) == 0;
}

// Headless tools read pictures but draw nothing: no GUI application, no font database.
int RunHeadless(int argc, char** argv, const std::function<int(const ProgramFolders&)>& command)
{
    // Standard error carries the program's own messages only, not Qt's notes about the desktop.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
            std::abort();
        }
    });
    QCoreApplication app(argc, argv);
    // The procedures report their own failures; memory that runs out between them ends the run
    // with the same report instead of an abort.
    try {
        return command(ProgramFolders(ProgramFolderOf(QCoreApplication::applicationDirPath()),
                                      UserHomesFrom(QProcessEnvironment::systemEnvironment())));
    } catch (const std::bad_alloc&) {
        std::fputs("varkit: Error 7: Out of memory\n", stderr);
        return 2;
    }
}

QStringList ArgumentsFrom(int argc, char** argv, int first)
{
    QStringList arguments;
    for (int i = first; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Replaces this process by varkit-window, found beside the executable (links followed).
int RunWindowProgram(char** argv)
{
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string window = length > 0 ? std::string(self, static_cast<size_t>(length)) : std::string(argv[0]);
    window = window.substr(0, window.find_last_of('/') + 1) + "varkit-window";
    ::execv(window.c_str(), argv);
    std::fprintf(stderr, "varkit: cannot start the window (%s): %s\n", window.c_str(), std::strerror(errno));
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (Is(argv[i], "-h", "--help")) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (Is(argv[i], "-V", "--version")) {
            std::fputs(kVersion, stdout);
            return 0;
        }
    }
    if (argc == 2 && (std::strcmp(argv[1], "i") == 0 || std::strcmp(argv[1], "d") == 0)) {
        return RunHeadless(argc, argv, [](const ProgramFolders& folders) {
            FreedesktopAssociation association(UserHomesFrom(QProcessEnvironment::systemEnvironment()));
            return RunAssociateCommand(folders, QCoreApplication::applicationFilePath(), association);
        });
    }
    if (argc >= 2 && std::strcmp(argv[1], "--fields") == 0) {
        if (argc != 3) {
            std::fputs("varkit: --fields takes one template path (see varkit --help)\n", stderr);
            return 2;
        }
        const QString templatePath = QString::fromLocal8Bit(argv[2]);
        return RunHeadless(argc, argv, [&](const ProgramFolders& folders) { return RunFieldsCommand(folders, templatePath); });
    }
    if (argc >= 2 && std::strcmp(argv[1], "--export") == 0) {
        const QStringList arguments = ArgumentsFrom(argc, argv, 2);
        return RunHeadless(argc, argv, [&](const ProgramFolders& folders) { return RunExportCommand(folders, arguments); });
    }
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) {
        const QStringList arguments = ArgumentsFrom(argc, argv, 2);
        return RunHeadless(argc, argv, [&](const ProgramFolders& folders) { return RunCheckCommand(folders, arguments); });
    }
    if (argc >= 2 && std::strcmp(argv[1], "--batch") == 0) {
        const QStringList arguments = ArgumentsFrom(argc, argv, 2);
        return RunHeadless(argc, argv, [&](const ProgramFolders& folders) { return RunBatchCommand(folders, arguments); });
    }
    if (argc >= 2 && argv[1][0] == '-' && argv[1][1] != '\0') {
        std::fprintf(stderr, "varkit: unknown option %s (see varkit --help)\n", argv[1]);
        return 2;
    }
    return RunWindowProgram(argv);
}
