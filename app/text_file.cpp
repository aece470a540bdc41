#include "app/text_file.h"

#include <fstream>

FileWriteResult WriteTextFileWithStream(const char* path, const char* const* pieces,
                                        int pieceCount) {
    std::ofstream file;
    file.open(path, std::ios::out); // text mode: "\n" becomes "\r\n" on Windows
    if (file.fail()) {
        return FILE_OPEN_FAILED;
    }
    for (int i = 0; i < pieceCount; ++i) {
        file << pieces[i];
    }
    // The stream buffers its output, so a full disk often shows only when the
    // buffer is flushed by close.
    file.close();
    return file.fail() ? FILE_WRITE_FAILED : FILE_WRITTEN;
}
