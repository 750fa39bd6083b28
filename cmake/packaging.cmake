# The packages: a portable zip of the program folder and a per-user NSIS installer, both named after the
# project's version. `cmake --build --preset release --target package` makes both.
set(CPACK_PACKAGE_NAME Glimra)
set(CPACK_PACKAGE_VENDOR "Glimra authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Monitor brightness and contrast from the notification area")
set(CPACK_PACKAGE_FILE_NAME Glimra-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_STRIP_FILES OFF) # the release build strips the program itself and keeps its debug file
set(CPACK_NSIS_EXECUTABLE makensis)
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/src/resources/program.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/src/resources/program.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${GLIMRA_PROGRAM_PAGE})
# The installer's own script is cmake/NSIS.template.in; the installer's name differs from the zip's.
set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/cmake)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/package_names.cmake)
include(CPack)
