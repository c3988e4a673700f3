# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# Rewrites a UTF-8 C++ source as plain ASCII whose string literals hold CP932 bytes, for compilers
# that write only UTF-8 literals. Every byte above 0x7f, and the second byte of every double-byte
# character (which may look like a backslash or a letter), becomes a \x escape; a literal is split
# where a hex digit follows an escape, so the escape cannot swallow it.
#   cmake -DICONV=<iconv> -DINPUT=<utf-8 source> -DOUTPUT=<converted source> -P cp932literals.cmake
execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP932 "${INPUT}"
    OUTPUT_FILE "${OUTPUT}.cp932"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${INPUT} holds a character that CP932 cannot encode")
endif()
file(READ "${OUTPUT}.cp932" hex HEX)
file(REMOVE "${OUTPUT}.cp932")
string(REGEX MATCHALL ".." bytes "${hex}")

set(text "")
set(trail OFF)
set(escaped OFF)
foreach(byte IN LISTS bytes)
    math(EXPR value "0x${byte}")
    if(trail OR value GREATER 127)
        string(APPEND text "\\x${byte}")
        if(trail)
            set(trail OFF)
        elseif((value GREATER_EQUAL 129 AND value LESS_EQUAL 159)
               OR (value GREATER_EQUAL 224 AND value LESS_EQUAL 252))
            set(trail ON)
        endif()
        set(escaped ON)
    else()
        string(ASCII ${value} character)
        if(escaped AND character MATCHES "[0-9A-Fa-f]")
            string(APPEND text "\"\"")
        endif()
        string(APPEND text "${character}")
        set(escaped OFF)
    endif()
endforeach()
file(WRITE "${OUTPUT}" "${text}")
