#pragma once
// The window is drawn in Tahoma. Debian ships it with Wine, outside the
// system's font search path; it is registered for this application alone.
// Its Chinese glyphs come from the family ChineseFonts.h chooses.

// Registers Tahoma (regular and bold) when its files exist and puts the
// Chinese font preference in force; returns how many font files were
// registered. Needs the application object.
int RegisterApplicationFonts();
