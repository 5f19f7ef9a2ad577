#include "ui/common/click_label.h"

#include <QMouseEvent>

namespace {

// Tool tips take text that looks like markup as markup: the text is escaped
// and kept on one line with its blanks.
QString plain_tool_tip(const QString &text)
{
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

} // namespace

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool was_pressed = pressed_;
    pressed_ = false;
    if (was_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent *event)
{
    emit mouse_moved();
    QLabel::mouseMoveEvent(event);
}

QLabel *make_label(QWidget *parent, const QString &object_name, const QString &text,
                   const QFont &font, const QRect &geometry, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(object_name);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void show_shortened(QLabel *label, const QString &text, const QString &suffix)
{
    const QFontMetrics metrics = label->fontMetrics();
    const int room = label->contentsRect().width() - metrics.horizontalAdvance(suffix);
    const QString whole = text + suffix;
    const QString shown = metrics.elidedText(text, Qt::ElideRight, qMax(room, 0)) + suffix;
    label->setText(shown);
    label->setToolTip(shown == whole ? QString() : plain_tool_tip(whole));
    label->setAccessibleName(whole);
}
