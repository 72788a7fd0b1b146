#pragma once
// The window is drawn in Tahoma. Debian ships it with Wine, outside the
// system's font search path; it is registered for this application alone.

// Registers Tahoma (regular and bold) when its files exist; returns how many
// font files were registered.
int RegisterApplicationFonts();
