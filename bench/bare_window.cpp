// The simplest Qt Widgets program that shows what the main menu shows at
// first: a 640 x 400 window with the picture named on the command line.
#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window;
    window.setWindowTitle(QStringLiteral("Quillora 2003"));
    if (argc > 1)
        window.setPixmap(QPixmap(QString::fromLocal8Bit(argv[1])));
    window.setFixedSize(640, 400);
    window.show();
    return app.exec();
}
