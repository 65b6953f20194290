#pragma once
// A program folder of its own (a start-up template and a settings file naming it), the main
// window over it on scripted dialogs and a recording shell, and the helpers the window suites
// share: starting the program, letting the event loop turn, clicking, choosing menu entries.
#include "support/TestFiles.h"
#include "support/FaultyFiles.h"
#include "support/RecordingShell.h"
#include "platform/TextFile.h"
#include "shell/FormState.h"
#include "shell/StartUp.h"
#include "support/ScriptedDialogs.h"
#include "ui/MainWindow.h"
#include "ui/QtClipboard.h"
#include "ui/RichTextView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

inline const QByteArray kWindowStartTemplate =
    "<html><body>\r\n"
    "<h1>[VarKit! Title=Brass Lamp]</h1>\r\n"
    "<p>[VarKit Item=Lamp]</p>\r\n"
    "</body></html>";

inline const QByteArray kWindowSettings = "[Custom]\r\nStartupTemplate=templates\\Start_Here.TPL\r\nPreventMarkup=False\r\n";

struct ProgramWindow {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    QtClipboard clipboard;
    // Refused and failing writes are simulated here (the tests run as root, where permission
    // bits do not stop a write).
    FaultyFiles files;
    FormState form{dialogs, shell, clipboard, files};
    std::unique_ptr<MainWindow> window;

    explicit ProgramWindow(const QByteArray& settings = kWindowSettings, const QByteArray& startTemplate = kWindowStartTemplate)
    {
        Write(QStringLiteral("templates/Start_Here.TPL"), startTemplate);
        if (!settings.isNull())
            Write(QStringLiteral("varkit.ini"), settings);
        window = std::make_unique<MainWindow>(form);
    }
    ~ProgramWindow() { window.reset(); }

    QString Folder() const { return QFileInfo(dir.path()).canonicalFilePath() + QLatin1Char('/'); }
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        return WriteTestFile(Folder() + name, bytes);
    }
    QByteArray Read(const QString& path) const
    {
        return ReadTestFile(path, QByteArray());
    }
    // As the Template box shows it: native separators.
    QString StartTemplatePath() const { return Folder() + QStringLiteral("templates/Start_Here.TPL"); }
    QString StartTemplateFile() const { return Folder() + QStringLiteral("templates/Start_Here.TPL"); }

    bool Start(const QString& commandLine = QString())
    {
        FormLoadInput input;
        input.executableFolder = dir.path();
        input.homes = TestHomes(dir.path());
        input.commandLine = commandLine;
        FormLoadHooks hooks;
        hooks.showWindow = [this] {
            window->show();
            QApplication::processEvents();
        };
        const bool open = Form_Load(form, input, hooks);
        Settle();
        return open;
    }
    // Starts the program and waits until its window is the active one (keys reach it).
    bool StartActive()
    {
        const bool open = Start();
        window->activateWindow();
        const bool active = QTest::qWaitForWindowActive(window.get());
        Settle();
        return open && active;
    }
    static QWidget* Focus() { return QApplication::focusWidget(); }
    void Settle()
    {
        for (int k = 0; k < 3; ++k)
            QApplication::processEvents();
    }
    void Click(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        Settle();
    }
    template <typename W = QWidget>
    W* Child(const QString& name) const
    {
        return window->findChild<W*>(name);
    }
    QAction* Action(const QString& name) const { return window->findChild<QAction*>(name); }

    // Opens the menu as the user does (its aboutToShow runs), then closes it again.
    void OpenMenu(QMenu* menu)
    {
        menu->popup(window->mapToGlobal(QPoint(10, 10)));
        Settle();
        menu->hide();
        Settle();
    }
    // Opens the menu and clicks the entry; false when the entry could not be clicked because
    // it is hidden or disabled (nothing is triggered then).
    bool Choose(QMenu* menu, const QString& actionName)
    {
        QAction* action = Action(actionName);
        if (!action)
            return false;
        menu->popup(window->mapToGlobal(QPoint(10, 10)));
        Settle();
        if (!action->isVisible() || !action->isEnabled()) {
            menu->hide();
            Settle();
            return false;
        }
        const QRect place = menu->actionGeometry(action);
        QTest::mouseClick(menu, Qt::LeftButton, {}, place.center());
        Settle();
        if (menu->isVisible()) {
            menu->hide();
            Settle();
        }
        return true;
    }
    // Types at the end of the markup text, as the user does on the markup screen.
    void TypeIntoMarkup(const QString& text)
    {
        RichTextView* markup = window->markupText();
        markup->setFocus();
        markup->moveCursor(QTextCursor::End);
        QTest::keyClicks(markup, text);
        Settle();
    }
};
