#include "app/exe_directory.h"

void TrimToDirectory(char* path, std::size_t capacity) {
    std::size_t cut = capacity; // capacity means "no separator seen"
    for (std::size_t i = 0; i < capacity && path[i] != '\0'; ++i) {
        if (path[i] == '\\' || path[i] == '/') {
            cut = i + 1;
        }
    }
    if (cut < capacity) {
        path[cut] = '\0';
    }
}
