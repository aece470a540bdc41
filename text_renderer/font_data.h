// The embedded Liberation Serif faces, generated into the build tree from
// Debian's fonts-liberation2 (subset to the printable ASCII characters when
// fonttools is there). The fonts' licence, the SIL Open Font License, travels in
// each face's name table and in the package's copyright file.
#pragma once

extern const unsigned char LiberationSerifRegular[];
extern const unsigned LiberationSerifRegularSize;
extern const unsigned char LiberationSerifBold[];
extern const unsigned LiberationSerifBoldSize;
