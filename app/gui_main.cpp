// Entry point of the desktop program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmar"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillmar"));
    window.resize(1024, 720);
    window.show();
    return QApplication::exec();
}
