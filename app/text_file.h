// Writing a text file with the standard library's output file stream.
#pragma once

#include "app/platform.h"

// Opens path for output in text mode (creating or emptying it), inserts the pieces
// in order and closes it. A failure while writing or closing is reported as
// FILE_WRITE_FAILED, never as written.
FileWriteResult WriteTextFileWithStream(const char* path, const char* const* pieces,
                                        int pieceCount);
