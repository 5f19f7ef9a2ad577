#include "ui/common/window_conventions.h"

#include "core/app_state.h"
#include "ui/common/accessibility.h"
#include "ui/common/pictures.h"
#include "ui/common/program_style.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QtMath>

int twips(int tw)
{
    return qRound(tw / 15.0);
}

QRect twips_rect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

void apply_application_conventions()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(ms_sans_serif(8.25));
    QApplication::setStyle(new ProgramStyle);
    install_accessibility();
}

QFont ms_sans_serif(qreal points, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void center(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect whole = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    const int left = qFloor((whole.width() - outer.width()) / 2.0);
    const int top = qFloor((whole.height() - outer.height()) / 2.0);
    window->move(whole.x() + left, whole.y() + top);
}

void apply_window_conventions(QWidget *window)
{
    window->setWindowTitle(kAppTitle);
    // The application keeps the icon for all its windows, so it is read once.
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(program_icon());
}
