#include "ui/app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program takes no options: Qt sees the program name only.
    int qt_argc = argc > 0 ? 1 : 0;
    QApplication app(qt_argc, argv);
    return run_quillora(app);
}
