#pragma once

#include <QValidator>

// Keeps a one-line text box on one line: a line break pasted into it becomes
// a blank. The board file holds such a text on a line of its own, where a
// line break would shift every line after it.
class OneLineValidator : public QValidator {
    Q_OBJECT
public:
    explicit OneLineValidator(QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
};
