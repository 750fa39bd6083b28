# The program folder: what ships beside Glimra.exe. Every Windows build lays it out in the build folder,
# so the program runs there as a user would run it, and the packages install that same folder.
# Whatever lies in data/Langs, data/Help and licenses/ ships; a file added or removed there is seen at the
# next build.
file(GLOB glimra_shipped_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/data/Langs/*
    ${CMAKE_SOURCE_DIR}/data/Help/*
    ${CMAKE_SOURCE_DIR}/licenses/*)
list(APPEND glimra_shipped_sources ${CMAKE_SOURCE_DIR}/data/AppRestart.vbs)

set(glimra_folder_stamp ${CMAKE_BINARY_DIR}/CMakeFiles/program_folder.stamp)
add_custom_command(
    OUTPUT ${glimra_folder_stamp}
    # Folders are laid out afresh, so a file removed from the sources does not linger beside the program.
    COMMAND ${CMAKE_COMMAND} -E rm -rf Langs Help licenses
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/Langs Langs
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/Help Help
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/licenses licenses
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/AppRestart.vbs AppRestart.vbs
    COMMAND ${CMAKE_COMMAND} -E touch ${glimra_folder_stamp}
    DEPENDS ${glimra_shipped_sources}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Laying out the program folder"
    VERBATIM)
add_custom_target(program_folder ALL DEPENDS ${glimra_folder_stamp})
add_dependencies(Glimra program_folder)

# The packages hold exactly the laid-out folder.
install(TARGETS Glimra RUNTIME DESTINATION .)
install(DIRECTORY ${CMAKE_BINARY_DIR}/Langs ${CMAKE_BINARY_DIR}/Help ${CMAKE_BINARY_DIR}/licenses DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/AppRestart.vbs DESTINATION .)
