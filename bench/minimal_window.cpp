// The floor for the start-up benchmark: a Qt Widgets program that shows one
// empty main window. With QUILLMAR_EXIT_WHEN_SHOWN=1 it prints "shown" once
// the window is up and leaves, as quillmar does (see startup_time.py).
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(1024, 720);
    window.show();
    if (qEnvironmentVariable("QUILLMAR_EXIT_WHEN_SHOWN") == QLatin1String("1")) {
        QTimer::singleShot(0, &application, [] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return QApplication::exec();
}
