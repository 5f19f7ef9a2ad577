#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

// The platform's style, except that the standard icons are made once: every
// menu bar asks for its overflow button's icon, which the style would
// otherwise read from its picture files again for each window.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    mutable QHash<int, QIcon> icons_;
};
