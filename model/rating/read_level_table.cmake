# Turns the ratings table of docs/levels.md into a C++ header, so the program shows the
# published numbers themselves. The table is the one whose header row begins
# "| Level | Rating |"; its rows give levels 1, 2, ... in order, each with a whole rating.
#   cmake -DINPUT=docs/levels.md -DOUTPUT=level_table.h -P read_level_table.cmake
file(READ "${INPUT}" text)
string(REGEX MATCH "\n\\| *Level *\\| *Rating *\\|[^\n]*\n\\|[-:| ]+\n((\\|[^\n]*\n)+)" table
       "${text}")
if(NOT table)
    message(FATAL_ERROR "${INPUT}: no table with the header | Level | Rating |")
endif()
string(REGEX MATCHALL "\\|[^\n]*\n" rows "${CMAKE_MATCH_1}")
set(ratings "")
set(expected 1)
foreach(row IN LISTS rows)
    if(NOT row MATCHES "^\\| *([0-9]+) *\\| *([0-9]+) *\\|")
        message(FATAL_ERROR "${INPUT}: a ratings row must begin | LEVEL | RATING |: ${row}")
    endif()
    if(NOT CMAKE_MATCH_1 EQUAL expected)
        message(FATAL_ERROR "${INPUT}: level ${expected} expected, found ${CMAKE_MATCH_1}")
    endif()
    string(APPEND ratings "${CMAKE_MATCH_2}, ")
    math(EXPR expected "${expected} + 1")
endforeach()
file(WRITE "${OUTPUT}"
    "// Generated from ${INPUT}; do not edit.\n"
    "#pragma once\n"
    "namespace circumvia::rating {\n"
    "inline constexpr int kLevelRatings[] = {${ratings}};\n"
    "}\n")
