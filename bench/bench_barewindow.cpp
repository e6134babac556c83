// The least a Qt Widgets program of Ondalira's size does: one 1024 x 600
// window, shown at once.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(1024, 600);
    window.show();
    return app.exec();
}
