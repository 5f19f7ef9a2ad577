#include "ui/common/window_conventions.h"

#include "core/app_state.h"
#include "ui/common/accessibility.h"
#include "ui/common/pictures.h"

#include <QApplication>
#include <QLayout>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtMath>

int twips(int tw)
{
    return qRound(tw / 15.0);
}

QRect twips_rect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

namespace {

// Fusion marks a menu bar's item only while its menu is open, so the focus
// that Alt puts on the bar is invisible. Here the item the focus is on is
// drawn as the active one.
class MenuBarFocusStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element == CE_MenuBarItem && item && (item->state & State_Selected) && widget
            && widget->hasFocus()) {
            QStyleOptionMenuItem active = *item;
            active.state |= State_Sunken;
            QProxyStyle::drawControl(element, &active, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

void apply_application_conventions()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(ms_sans_serif(8.25));
    if (!dynamic_cast<MenuBarFocusStyle *>(QApplication::style()))
        QApplication::setStyle(new MenuBarFocusStyle(QApplication::style()->name()));
    install_accessibility();
}

QFont ms_sans_serif(qreal points, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPoint centred_position(const QRect &screen, const QSize &outer)
{
    return {screen.x() + qFloor((screen.width() - outer.width()) / 2.0),
            screen.y() + qFloor((screen.height() - outer.height()) / 2.0)};
}

namespace {

FrameMarginsSource margins_source = nullptr;

QMargins frame_margins(const QWidget *window)
{
    if (margins_source)
        return margins_source(window);
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

void place_centred(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = frame_margins(window);
    const QSize outer = window->size().grownBy(frame);
    const QPoint corner = centred_position(screen->geometry(), outer);
    // The client area's place, so a frame the widget has not heard of yet
    // cannot shift it.
    window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window->size()));
}

// Watches a centred window until its frame is known, then centres it again
// and goes. A maximized window is left where the window manager put it.
class FrameWatch : public QObject {
public:
    static inline const QString kName = QStringLiteral("frame_watch");

    explicit FrameWatch(QWidget *window) : QObject(window)
    {
        setObjectName(kName);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const QEvent::Type type = event->type();
        if ((type == QEvent::Paint || type == QEvent::WindowActivate || type == QEvent::Move)
            && !frame_margins(window).isNull()) {
            window->removeEventFilter(this);
            deleteLater();
            if (!(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
                place_centred(window);
        }
        return false;
    }
};

} // namespace

void set_frame_margins_source(FrameMarginsSource source)
{
    margins_source = source;
}

void center(QWidget *window)
{
    // A window that is not shown yet has its final size once its layout
    // has run.
    if (!window->isVisible() && window->layout())
        window->layout()->activate();
    place_centred(window);
    if (frame_margins(window).isNull() && !window->findChild<QObject *>(FrameWatch::kName, Qt::FindDirectChildrenOnly))
        new FrameWatch(window);
}

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget *widget, std::function<void()> then) : QObject(widget), then_(std::move(then))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, [then = std::move(then_)] {
                // A round trip to the display server: it has put the picture
                // on the screen before the work begins, instead of taking
                // the work's requests in the same breath.
                QGuiApplication::sync();
                then();
            });
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

void set_program_icon()
{
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(program_icon());
}

} // namespace

void after_first_paint(QWidget *widget, std::function<void()> then)
{
    new FirstPaintWatch(widget, std::move(then));
}

void apply_window_conventions(QWidget *window)
{
    window->setWindowTitle(kAppTitle);
    // The application keeps the icon for all its windows, so it is read
    // once. Decoding its sizes would keep the first window waiting, so the
    // desktop learns it just after that window is painted.
    if (QGuiApplication::windowIcon().isNull())
        after_first_paint(window, set_program_icon);
}
