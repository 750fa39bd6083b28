# The shipped Glimra.exe carries no debug sections and no symbol table: both go to a file of its own,
# beside the packages, which a debugger finds through the link left in the program.
set(GLIMRA_DEBUG_FILE Glimra-${PROJECT_VERSION}-win64.debug)
set(GLIMRA_OBJCOPY ${CMAKE_OBJCOPY})
if(NOT GLIMRA_OBJCOPY)
    set(GLIMRA_OBJCOPY x86_64-w64-mingw32-objcopy)
endif()
# objcopy stamps the image it writes with the time unless SOURCE_DATE_EPOCH names one; 0 is what the
# linker writes with --no-insert-timestamp.
set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${GLIMRA_OBJCOPY})
add_custom_command(TARGET Glimra POST_BUILD
    COMMAND ${objcopy} --only-keep-debug Glimra.exe ${GLIMRA_DEBUG_FILE}
    COMMAND ${objcopy} --strip-all --add-gnu-debuglink=${GLIMRA_DEBUG_FILE} Glimra.exe
    COMMAND ${CMAKE_COMMAND} -E make_directory packages
    COMMAND ${CMAKE_COMMAND} -E copy ${GLIMRA_DEBUG_FILE} packages/${GLIMRA_DEBUG_FILE}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Moving the debug information of Glimra.exe to ${GLIMRA_DEBUG_FILE}"
    VERBATIM)
