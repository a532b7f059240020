# A portable Windows build: `cpack -G ZIP` in the build folder, or the portable_zip target, gives
# jukewright-cli-<version>-windows-x86_64.zip. It unpacks to one folder holding jukewright-cli.exe
# with its data files beside it, where the program looks for them first, so it runs from wherever it
# is unpacked.

# One executable that needs no compiler runtime libraries beside it.
if(MINGW)
    target_link_options(jukewright-cli PRIVATE -static)
endif()

install(TARGETS jukewright-cli RUNTIME DESTINATION . COMPONENT portable)
install(DIRECTORY data/ DESTINATION . COMPONENT portable)

set(CPACK_PACKAGE_NAME jukewright-cli)
set(CPACK_PACKAGE_VENDOR "The Jukewright developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build an MP3 jukebox for Half-Life and its mods")
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME jukewright-cli-${PROJECT_VERSION}-windows-x86_64)
# Only the portable layout: the installed layout (bin/ and share/) is for installers.
set(CPACK_COMPONENTS_ALL portable)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_ARCHIVE_PORTABLE_FILE_NAME ${CPACK_PACKAGE_FILE_NAME})
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)

include(CPack)

add_custom_target(portable_zip
    COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS jukewright-cli jukewright_data
    COMMENT "Packing jukewright-cli with its data files into ${CPACK_PACKAGE_FILE_NAME}.zip"
    VERBATIM)
