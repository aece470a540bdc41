# Writes a C++ source holding a font file as a byte array:
#   cmake -DINPUT=face.ttf -DOUTPUT=face.cpp -DSYMBOL=Name -P embed_font.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
    "// Generated from ${INPUT}; do not edit.\n"
    "#include \"text_renderer/font_data.h\"\n\n"
    "const unsigned char ${SYMBOL}[] = {\n${bytes}\n};\n"
    "const unsigned ${SYMBOL}Size = sizeof ${SYMBOL};\n")
