#pragma once

class BoardScreen;

// Shows the note in slot sig_pos, and its position after the title.
void disp_sig(BoardScreen &screen);
// One note on (`forward`) or back; at either end a message says so.
void turn_page(BoardScreen &screen, bool forward);
// All notes in the export window beside the board.
void exporter(BoardScreen &screen);
