// The yardstick for the start-up benchmark: the least a Qt Widgets program
// with text shows, a main window with a menu bar and one line of text (so it
// pays the font set-up that any program with text pays). With
// QUILLMAR_EXIT_WHEN_SHOWN=1 it prints "shown" once its window has been
// exposed and painted, and leaves, as quillmar does (see startup_time.py).
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include <cstdio>

#include "shell/ExposeReporter.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New"));
    file->addAction(QStringLiteral("&Open..."));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), &application, &QCoreApplication::quit);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new QLabel(QStringLiteral("A line of text in the main window.")));
    window.resize(1024, 720);
    window.show();
    ExposeReporter reporter;
    if (qEnvironmentVariable("QUILLMAR_EXIT_WHEN_SHOWN") == QLatin1String("1"))
        window.windowHandle()->installEventFilter(&reporter);
    return QApplication::exec();
}
