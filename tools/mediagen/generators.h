// Every group of files the media generator writes.
#pragma once

#include "common.h"

namespace mg {

void writeMenu(Output &out);
void writeAppIcon(Output &out);
void writeMiniback(Output &out);
void writeButtons(Output &out);
void writeWizardArt(Output &out);
void writeBackdrops(Output &out);
void writeThemes(Output &out);
void writeSounds(Output &out);

} // namespace mg
