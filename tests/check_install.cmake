# Installs the build into a scratch prefix and checks that every language
# lands in the folder where the installed program looks for it.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DLANGUAGES=<dir under PREFIX>
#         -DCODES=de,fr -DQT_CODES=de,fr -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
string(REPLACE "," ";" codes "${CODES}")
string(REPLACE "," ";" qt_codes "${QT_CODES}")
set(expected "")
foreach(code IN LISTS codes)
    list(APPEND expected "Kestrel_${code}.qm")
endforeach()
foreach(code IN LISTS qt_codes)
    list(APPEND expected "qt_${code}.qm")
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${LANGUAGES}/${file}")
        message(FATAL_ERROR "not installed: ${LANGUAGES}/${file}")
    endif()
endforeach()
