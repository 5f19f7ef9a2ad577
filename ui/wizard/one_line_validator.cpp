#include "ui/wizard/one_line_validator.h"

#include <QRegularExpression>

OneLineValidator::OneLineValidator(QObject *parent) : QValidator(parent) {}

QValidator::State OneLineValidator::validate(QString &input, int &pos) const
{
    static const QRegularExpression line_break(QStringLiteral("\r\n|\r|\n"));
    if (!input.contains(QLatin1Char('\r')) && !input.contains(QLatin1Char('\n')))
        return Acceptable;
    const QString before_cursor = input.left(pos).replace(line_break, QStringLiteral(" "));
    input.replace(line_break, QStringLiteral(" "));
    pos = int(before_cursor.size());
    return Acceptable;
}
