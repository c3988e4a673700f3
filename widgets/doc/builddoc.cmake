# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# cmake -DWIDGETKIT=<example> -DDOXYGEN=<doxygen> -DDOXYFILE=<file>
#       -DSCREENSHOTS=<dir> -DHTML=<dir> -P builddoc.cmake
#
# Takes the pictures of the widgets with the example program on the offscreen
# platform, then runs doxygen, which is set to fail on any warning.
file(REMOVE_RECURSE ${SCREENSHOTS} ${HTML})
file(MAKE_DIRECTORY ${SCREENSHOTS})

set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${WIDGETKIT} --screenshots ${SCREENSHOTS}
    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
    message(FATAL_ERROR "${output}The example program could not take the pictures (${failed})")
endif()

execute_process(COMMAND ${DOXYGEN} ${DOXYFILE} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "The API documentation must build without a warning")
endif()
