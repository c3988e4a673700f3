# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# cmake -DMODE=<check|baseline> -DABIDW=... -DABIDIFF=... -DLIBRARY=<the .so>
#       -DHEADERS=<public headers, |-separated> -DBASELINE=<committed .abi> -DCURRENT=<scratch .abi>
#       -DTREES=<build and source folders, |-separated>
#       -P abicheck.cmake
# Describes the library's interface with abidw into CURRENT; then either
# copies it over BASELINE (baseline) or compares BASELINE with it (check),
# printing abidiff's report and failing on any change to what BASELINE has.
# New functions and classes are allowed: they break no program built before.
cmake_minimum_required(VERSION 3.25)

# Types defined outside the public headers' folders (the private records)
# are left out. abidw reads the headers' folders: it does not match single
# header files against the debugging information.
set(header_options "")
string(REPLACE "|" ";" headers "${HEADERS}")
set(header_dirs "")
foreach(header IN LISTS headers)
    get_filename_component(dir ${header} DIRECTORY)
    list(APPEND header_dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES header_dirs)
foreach(dir IN LISTS header_dirs)
    list(APPEND header_options --headers-dir ${dir})
endforeach()
# No paths, line numbers or sequence numbers, so that the baseline changes
# only where the interface does.
execute_process(
    COMMAND ${ABIDW} ${header_options} --drop-private-types --no-corpus-path
            --no-comp-dir-path --no-show-locs --no-architecture --type-id-style hash
            --out-file ${CURRENT} ${LIBRARY}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "abidw could not read ${LIBRARY} (${result})")
endif()

if(MODE STREQUAL "baseline")
    # The names of the source files are written relative to the build and the
    # source folders, the same from any checkout; abidiff does not read them.
    file(READ ${CURRENT} abi)
    string(REPLACE "|" ";" trees "${TREES}")
    foreach(tree IN LISTS trees)
        string(REPLACE "path='${tree}" "path='" abi "${abi}")
    endforeach()
    file(WRITE ${BASELINE} "${abi}")
    message(STATUS "Wrote ${BASELINE}")
    return()
endif()

execute_process(
    COMMAND ${ABIDIFF} --no-added-syms --harmless ${BASELINE} ${CURRENT}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE report
    ERROR_VARIABLE report)
message("${report}")
# abidiff's status is a set of bits: 1 an error, 2 a usage error, 4 a change
# to the interface, 8 a change it knows to be incompatible. Added symbols are
# left out of the comparison above, so any change left is to something
# programs built against the baseline already use.
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The widget kit's ABI differs from ${BASELINE} (abidiff status "
                        "${result}). Keep the old interface, or, for a new SOVERSION, "
                        "rewrite the baseline with the abi-baseline target.")
endif()
message(STATUS "The widget kit's ABI keeps every interface of the baseline")
