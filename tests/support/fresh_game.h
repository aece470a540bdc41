// Puts every piece of the game's process-wide state back to its starting value,
// as at the start of a run, so each test plays from a clean start.
#pragma once

void StartFreshGame();
