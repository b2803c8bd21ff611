# Makes the package with CPack and unpacks it into an empty folder, as a user would.
#   cmake -DCPACK=... -DBINARY_DIR=... -DZIP=... -DUNPACK_DIR=... -P make_and_unpack.cmake
file(REMOVE ${ZIP})
execute_process(COMMAND ${CPACK} -G ZIP --config ${BINARY_DIR}/CPackConfig.cmake
                WORKING_DIRECTORY ${BINARY_DIR} RESULT_VARIABLE failed)
if(failed OR NOT EXISTS ${ZIP})
    message(FATAL_ERROR "CPack did not make ${ZIP}")
endif()
file(REMOVE_RECURSE ${UNPACK_DIR})
file(MAKE_DIRECTORY ${UNPACK_DIR})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${UNPACK_DIR})
get_filename_component(name ${ZIP} NAME_WLE)
file(GLOB top RELATIVE ${UNPACK_DIR} ${UNPACK_DIR}/*)
if(NOT top STREQUAL name)
    message(FATAL_ERROR "The ZIP should unpack into one folder, ${name}; it gave: ${top}")
endif()
message(STATUS "Unpacked ${ZIP} into ${UNPACK_DIR}/${name}")
