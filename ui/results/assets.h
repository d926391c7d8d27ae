#pragma once

namespace orbalis {

// Registers the pictures compiled into the window library (the chart
// background, the toolbar icons). A static library's resources are only
// linked in when something asks for them; every window that shows one calls
// this first. Calling it again does nothing.
void EnsureAssetsLoaded();

}  // namespace orbalis
