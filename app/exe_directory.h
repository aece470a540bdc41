// The folder of the executable, where the results file is saved.
#pragma once

#include <cstddef>

// Cuts a module path right after its last backslash or forward slash, so the
// separator stays as the last character ("D:\Games\prog.exe" becomes "D:\Games\").
// A path without a separator, or an empty one, is left as it is. Only the first
// capacity bytes are looked at and the result always ends inside them: a path
// that fills them without a terminator is first cut to capacity - 1 characters.
void TrimToDirectory(char* path, std::size_t capacity);
