#pragma once

class NoteArea;

// The guest's buttons: "Save My Note" appends the note and thanks the
// guest, "Start Over" throws the text away.
void save_note(NoteArea *note);
void start_over(NoteArea *note);
