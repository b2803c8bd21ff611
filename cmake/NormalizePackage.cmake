# Run by CPack after it has written the ZIP: rewrites it reproducibly (see Package.cmake). The time of every
# entry is SOURCE_DATE_EPOCH when set, else the time of the last commit, else 1 January 1980.
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(epoch STREQUAL "")
    execute_process(COMMAND git -C ${CPACK_PIXO_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE git_failed)
    if(git_failed OR NOT epoch MATCHES "^[0-9]+$")
        set(epoch 315532800)
    endif()
endif()
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND ${CPACK_PIXO_PYTHON} ${CPACK_PIXO_SOURCE_DIR}/cmake/normalize_zip.py ${zip} ${epoch}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Could not rewrite ${zip} reproducibly")
    endif()
endforeach()
