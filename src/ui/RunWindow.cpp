#include "RunWindow.h"

#include "MainWindow.h"
#include "QtClipboard.h"
#include "QtDialogs.h"
#include "QtShell.h"
#include "platform/Paths.h"
#include "shell/FormState.h"
#include "shell/StartUp.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStyleFactory>
#include <cmath>

namespace {

int TwipsPerPixel(double dpi)
{
    return dpi > 0 ? static_cast<int>(std::lround(1440.0 / dpi)) : 15;
}

}  // namespace

int RunWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VarKit"));
    if (QStyleFactory::keys().contains(QStringLiteral("Fusion")))
        QApplication::setStyle(QStringLiteral("Fusion"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    FormLoadInput input;
    input.executableFolder = QApplication::applicationDirPath();
    input.commandLine = arguments.join(QLatin1Char(' '));

    QtDialogs dialogs;
    QtShell shell;
    QtClipboard clipboard;
    FormState form(dialogs, shell, clipboard);
    MainWindow window(form);
    dialogs.SetParent(&window);
    const QString icon = ProgramFolderOf(input.executableFolder) + QStringLiteral("varKit.ico");
    if (FileExists(icon))
        window.setWindowIcon(QIcon(ResolvePath(icon)));
    input.twipsPerPixelX = TwipsPerPixel(window.logicalDpiX());
    input.twipsPerPixelY = TwipsPerPixel(window.logicalDpiY());

    FormLoadHooks hooks;
    hooks.showWindow = [&] {
        window.show();
        window.SyncFromState();
        if (form.onFocusFileName)
            form.onFocusFileName();
        QApplication::processEvents();
    };
    if (!Form_Load(form, input, hooks))
        return 0;
    if (!window.isVisible())
        window.show();
    return app.exec();
}
