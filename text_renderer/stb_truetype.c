/* The one translation unit that compiles stb_truetype's implementation. */
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>
