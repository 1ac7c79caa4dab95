// The window's state across runs: "rova_Yamato.ini" in the working directory.

#include "tform_main.h"

void TForm_Main::loadSettings() {}

void TForm_Main::saveSettings() {}
