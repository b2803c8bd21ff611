# The portable package: one ZIP, Pixoscope-<version>-win64.zip, made by CPack (cpack --preset windows, or
# the package test). It unpacks into a folder of the same name holding pixoscope.exe (static, no runtime
# DLLs), the help file and pages the program opens from its own folder, the read-me, the licence and the
# third-party notices. The version comes from project() in the top CMakeLists.txt, like the program's.
#
# The ZIP is reproducible: CPack's archive keeps the files' times and owners, so a script run after it
# (normalize_zip.py) writes the same entries again in name order with one fixed time, the commit's
# (SOURCE_DATE_EPOCH when set).

# The text files for the user, with Windows line ends.
set(PIXO_PACKAGE_TEXTS ${CMAKE_BINARY_DIR}/package/README.txt ${CMAKE_BINARY_DIR}/package/LICENSE.txt
                       ${CMAKE_BINARY_DIR}/package/THIRD_PARTY_NOTICES.md)
configure_file(${PROJECT_SOURCE_DIR}/resources/package/README.txt ${CMAKE_BINARY_DIR}/package/README.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/package/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/THIRD_PARTY_NOTICES.md ${CMAKE_BINARY_DIR}/package/THIRD_PARTY_NOTICES.md
               @ONLY NEWLINE_STYLE CRLF)

install(TARGETS pixoscope RUNTIME DESTINATION .)
install(FILES ${PIXO_DELIVERED_FILES} ${PIXO_PACKAGE_TEXTS} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Pixoscope)
set(CPACK_PACKAGE_VENDOR "Kestrow Software")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pixoscope screen loupe")
set(CPACK_PACKAGE_FILE_NAME Pixoscope-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
find_package(Python3 COMPONENTS Interpreter REQUIRED)
set(CPACK_PIXO_PYTHON ${Python3_EXECUTABLE})
set(CPACK_PIXO_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/NormalizePackage.cmake)
include(CPack)
