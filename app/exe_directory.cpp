#include "app/exe_directory.h"

#include <cstring>

void TrimToDirectory(char* path, std::size_t capacity) {
    if (capacity == 0) {
        return;
    }
    // A module path that fills the whole buffer comes back unterminated from some
    // Windows versions (XP among them); later ones cut it to capacity - 1 bytes and
    // terminate it. Do the same here, so the path always ends inside the buffer.
    if (std::memchr(path, '\0', capacity) == nullptr) {
        path[capacity - 1] = '\0';
    }
    std::size_t cut = capacity; // capacity means "no separator seen"
    for (std::size_t i = 0; path[i] != '\0'; ++i) {
        if (path[i] == '\\' || path[i] == '/') {
            cut = i + 1;
        }
    }
    if (cut < capacity) {
        path[cut] = '\0';
    }
}
