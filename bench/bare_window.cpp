// The simplest Qt Widgets program that shows what the main menu shows at
// first: a 640 x 400 window with the picture named on the command line.
// Given "widgets" after it, the window also carries the main menu's other
// widgets (its menu bar and their text, the five empty captions, the two
// scroll pictures), so that the price of text can be told apart.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>

namespace {

// The menu bar with its three menus, the five empty captions and the two
// scroll pictures, over the backdrop.
int show_main_menu_widgets(QApplication &app, const QString &picture)
{
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillora 2003"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Quit"));
    QMenu *sound = window.menuBar()->addMenu(QStringLiteral("&Sound"));
    sound->addAction(QStringLiteral("&On"))->setCheckable(true);
    sound->addAction(QStringLiteral("O&ff"))->setCheckable(true);
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About..."));
    auto *area = new QLabel;
    area->setPixmap(QPixmap(picture));
    area->setFixedSize(640, 400);
    window.setCentralWidget(area);
    QFont caption;
    caption.setPointSizeF(9.75);
    caption.setBold(true);
    for (int i = 0; i < 5; ++i) {
        auto *label = new QLabel(area);
        label->setFont(caption);
        label->setGeometry(44, 112 + 18 * i, 362, 17);
    }
    const QString media = picture.section(QLatin1Char('/'), 0, -2);
    for (int i = 0; i < 2; ++i) {
        auto *scroll = new QLabel(area);
        scroll->setPixmap(QPixmap(media + (i ? QStringLiteral("/db.jpg") : QStringLiteral("/up.jpg"))));
        scroll->setGeometry(194 + 48 * i, 204, 40, 47);
    }
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[2], "widgets") == 0)
        return show_main_menu_widgets(app, QString::fromLocal8Bit(argv[1]));
    QLabel window;
    window.setWindowTitle(QStringLiteral("Quillora 2003"));
    if (argc > 1)
        window.setPixmap(QPixmap(QString::fromLocal8Bit(argv[1])));
    window.setFixedSize(640, 400);
    window.show();
    return app.exec();
}
