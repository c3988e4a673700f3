# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<project> -DWORK_DIR=<scratch>
#       -DGENERATOR=<generator> -DCXX=<compiler> [-DFLAGS=<compiler flags>] -P buildoutside.cmake
file(REMOVE_RECURSE ${WORK_DIR})
foreach(component widgets widgets-dev)
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --component ${component}
            --prefix ${WORK_DIR}/prefix
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
        -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_FLAGS=${FLAGS} -DCMAKE_EXE_LINKER_FLAGS=${FLAGS}
        -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${WORK_DIR}/build/kituser COMMAND_ERROR_IS_FATAL ANY)
