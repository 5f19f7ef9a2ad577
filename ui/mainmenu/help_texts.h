#pragma once

#include <QString>

class QWidget;

QString what_is_text();
QString how_to_use_text();
QString export_help_text();
QString about_text();

// The About box, from the main menu and from the board.
void show_about(QWidget *parent);
