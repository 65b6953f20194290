#include "RunWindow.h"

#include "MainWindow.h"
#include "QtClipboard.h"
#include "QtDialogs.h"
#include "QtShell.h"
#include "platform/AppError.h"
#include "platform/DiskFileOps.h"
#include "platform/FreedesktopAssociation.h"
#include "platform/Paths.h"
#include "shell/FormState.h"
#include "shell/StartUp.h"
#include "shell/TplAssociation.h"
#include "shell/WindowPlacement.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const kNoDisplay =
    "varkit: the window needs a graphical session, and none was found (neither DISPLAY\n"
    "nor WAYLAND_DISPLAY names one that can be reached). Start VarKit from the desktop,\n"
    "or use the commands that work without a display: varkit --fields TEMPLATE and\n"
    "varkit --export OUT TEMPLATE (see varkit --help).\n";

// True when Qt would look for a display server that the environment does not name.
bool DisplayMissing()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return false;  // offscreen, vnc, eglfs and the like need no display server
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// While the application starts: a display that is named but cannot be reached ends the
// program with the same message and status instead of Qt's abort.
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplay, stderr);
        std::_Exit(2);
    }
}

// The program's icon in every size the program folder ships, else the theme's.
QIcon ProgramIcon(const ProgramFolders& folders)
{
    QIcon icon;
    const QDir tree(folders.Program() + QStringLiteral("icons/hicolor"));
    for (const QString& size : tree.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = tree.filePath(size) + QStringLiteral("/apps/varkit.png");
        if (QFileInfo(file).isFile())
            icon.addFile(file);
    }
    return icon.isNull() ? QIcon::fromTheme(QStringLiteral("varkit")) : icon;
}

// The size and place the window had when it was last closed, on the screen it opens on.
void RestorePlacement(FileOps& files, QWidget& window, const QString& path)
{
    const std::optional<WindowPlacement> placement = ReadWindowPlacement(files, path);
    if (!placement)
        return;
    const QScreen* screen = QGuiApplication::screenAt(placement->normal.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    window.setGeometry(FitOnScreen(placement->normal, screen ? screen->availableGeometry() : QRect()));
    if (placement->maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void SavePlacement(FileOps& files, const QWidget& window, const QString& path)
{
    try {
        WriteWindowPlacement(files, path, {window.normalGeometry(), window.isMaximized()});
    } catch (const AppError&) {
        // A read-only settings folder costs only the remembered size.
    }
}

}  // namespace

int RunWindow(int argc, char** argv)
{
    if (DisplayMissing()) {
        std::fputs(kNoDisplay, stderr);
        return 2;
    }
    const QtMessageHandler previousHandler = qInstallMessageHandler(StartupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    QApplication::setApplicationName(QStringLiteral("VarKit"));
    QGuiApplication::setDesktopFileName(QStringLiteral("varkit"));
    if (QStyleFactory::keys().contains(QStringLiteral("Fusion")))
        QApplication::setStyle(QStringLiteral("Fusion"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    FormLoadInput input;
    input.executableFolder = QApplication::applicationDirPath();
    // The .tpl association starts varkit, which hands the window to this program.
    const QString launcher = QDir(input.executableFolder).filePath(QStringLiteral("varkit"));
    input.executableFile = QFileInfo(launcher).isExecutable() ? launcher : QApplication::applicationFilePath();
    input.homes = UserHomesFrom(QProcessEnvironment::systemEnvironment());
    input.commandLine = arguments.join(QLatin1Char(' '));
    input.workingFolder = QDir::currentPath();

    QtDialogs dialogs;
    QtShell shell;
    QtClipboard clipboard;
    FreedesktopAssociation association(input.homes);
    DiskFileOps files;
    FormState form(dialogs, shell, clipboard, files);
    form.SetAssociation(association);
    MainWindow window(form);
    dialogs.SetParent(&window);

    bool shown = false;
    FormLoadHooks hooks;
    hooks.showWindow = [&] {
        window.setWindowIcon(ProgramIcon(form.folders));
        RestorePlacement(files, window, form.folders.WindowStateFile());
        window.show();
        shown = true;
        window.SyncFromState();
        if (form.onFocusFileName)
            form.onFocusFileName();
        QApplication::processEvents();
    };
    hooks.associateTplFiles = [&] {
        int mode = 1;
        AssociateTplFiles(form, mode);
    };
    if (!Form_Load(form, input, hooks))
        return 0;
    if (!window.isVisible())
        window.show();
    const int status = app.exec();
    if (shown)
        SavePlacement(files, window, form.folders.WindowStateFile());
    return status;
}
