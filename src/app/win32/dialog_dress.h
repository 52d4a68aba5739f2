// Every dialog and message box of the game wears the game's icon rather
// than the window system's default one, and a message box is at least as
// wide as its title: the system sizes a box by its text alone, so a short
// text ("Incorrect code.") cut the title short.
#pragma once

namespace trelux {

// A hook on the program's thread dresses each dialog as it first becomes
// active; installed once, however often called.
void dressDialogs();
void stopDressingDialogs();

}  // namespace trelux
