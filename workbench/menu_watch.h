// Context menus a plug-in opens while a script runs: each is printed as it
// appears (its entries, and the one chosen) and answered at once, so that a
// script never waits in a menu.
#pragma once

#include <string>

namespace workbench {

// Watches the menus of the calling thread until StopMenuWatch.
bool StartMenuWatch();
void StopMenuWatch();
// The entry that menus from now on are answered with; an empty text closes
// them without a choice.
void SetMenuEntry(const std::string& entry);
// Why the last menu could not be answered as asked, once; empty when it was.
std::string TakeMenuError();

}  // namespace workbench
