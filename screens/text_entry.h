// The text-entry rules shared by the screens.
#pragma once

// Takes the first character off KeyBuffer: every character behind it moves one
// place towards the front, in order. Screens call it once per frame after looking
// at a non-NUL first character, so characters typed within one frame are applied
// one per frame, in typing order.
void ConsumeKey();
