// Saves go through a temporary file beside their target ("_sav????.tmp");
// a game that ended between writing it and the rename left it behind.
#pragma once

namespace trelux {

// Removes such files where the game saves: the game folder (trelux.ini),
// ".\levels\" (bests, the download list, descriptors) and each set's folder
// in it (level files). Called once at start, after the start-up script.
void removeStaleSaveFiles();

}  // namespace trelux
