# Turns a file into a C++ source defining its bytes, so data files are compiled in
# without Qt's resource system (the text table is used by plain C++ code too).
#   cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P embed_file.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}"
    "// Generated from ${INPUT}; do not edit.\n"
    "#include <string_view>\n"
    "namespace circumvia::lang {\n"
    "extern const std::string_view ${SYMBOL};\n"
    "namespace { constexpr char kBytes[] = {${bytes} '\\0'}; }\n"
    "const std::string_view ${SYMBOL}(kBytes, ${size});\n"
    "}\n")
