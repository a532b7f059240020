# The Windows packages, made in the build folder:
#   cpack -G NSIS  jukewright-<version>-win64-setup.exe, an installer for one user that needs no
#                  administrator rights (the project's own template, dist/windows/NSIS.template.in);
#   cpack -G ZIP   jukewright-<version>-win64-portable.zip (or the portable_zip target), one folder to
#                  unpack and run anywhere, whose `portable` marker keeps the settings beside the programs.
# Both lay the programs out flat, with their data files beside them, where they look first.

# Each executable carries its compiler runtime, so it needs no libraries beside it.
if(MINGW)
    target_link_options(jukewright-cli PRIVATE -static)
endif()

install(TARGETS jukewright-cli RUNTIME DESTINATION . COMPONENT programs)
install(DIRECTORY data/ DESTINATION . COMPONENT programs)
install(FILES LICENSE DESTINATION . COMPONENT programs RENAME LICENSE.txt)
install(FILES dist/windows/RUNTIME-LICENSES.txt DESTINATION . COMPONENT programs)
file(WRITE ${CMAKE_BINARY_DIR}/portable_marker/portable "")
install(FILES ${CMAKE_BINARY_DIR}/portable_marker/portable DESTINATION . COMPONENT portable_marker)

set(JUKEWRIGHT_PACKAGED_TARGETS jukewright-cli jukewright_data)
set(JUKEWRIGHT_ICON_PROGRAM jukewright-cli.exe)
if(TARGET jukewright)
    if(MINGW)
        target_link_options(jukewright PRIVATE -static)
    endif()
    install(TARGETS jukewright RUNTIME DESTINATION . COMPONENT programs)
    list(APPEND JUKEWRIGHT_PACKAGED_TARGETS jukewright)
    set(JUKEWRIGHT_ICON_PROGRAM jukewright.exe)
    # The Start menu's entry, for the player's own menu only.
    set(CPACK_NSIS_CREATE_ICONS_EXTRA "CreateShortCut '$SMPROGRAMS\\\\Jukewright.lnk' '$INSTDIR\\\\jukewright.exe'")
    set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\\\Jukewright.lnk'")
endif()

set(CPACK_PACKAGE_NAME Jukewright)
set(CPACK_PACKAGE_VENDOR "The Jukewright developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build an MP3 jukebox for Half-Life and its mods")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Jukewright)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Jukewright)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_STRIP_FILES ON)
# Each generator picks its components and file name in the project config file: the installer
# without the marker, the zip with it.
set(JUKEWRIGHT_PACKAGE_STEM jukewright-${PROJECT_VERSION}-win64)
configure_file(${CMAKE_SOURCE_DIR}/cmake/windows_package_generator.cmake.in
               ${CMAKE_BINARY_DIR}/windows_package_generator.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/windows_package_generator.cmake)

set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/dist/windows)
set(CPACK_NSIS_DISPLAY_NAME Jukewright)
set(CPACK_NSIS_PACKAGE_NAME Jukewright)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_INSTALLED_ICON_NAME ${JUKEWRIGHT_ICON_PROGRAM})

set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

include(CPack)

add_custom_target(portable_zip
    COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${JUKEWRIGHT_PACKAGED_TARGETS}
    COMMENT "Packing the programs with their data files into ${JUKEWRIGHT_PACKAGE_STEM}-portable.zip"
    VERBATIM)
