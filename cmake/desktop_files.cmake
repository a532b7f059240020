# What an installed copy needs besides the programs and the data folder: the desktop entry, the icon
# in the hicolor theme, the AppStream metadata and the manual pages. Included from the root after
# GNUInstallDirs.

set(JUKEWRIGHT_APP_ID org.jukewright.Jukewright)
set(JUKEWRIGHT_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
# The window names its desktop entry by the same id.
target_compile_definitions(jukewright_gui PRIVATE JUKEWRIGHT_APP_ID="${JUKEWRIGHT_APP_ID}")

install(FILES ${JUKEWRIGHT_DIST_DIR}/${JUKEWRIGHT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${JUKEWRIGHT_DIST_DIR}/${JUKEWRIGHT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The sizes are scaled from the window's own icon by tools/make_icon_sizes.py.
install(DIRECTORY ${JUKEWRIGHT_DIST_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages: the version filled in, then compressed the way Debian keeps them (no name or time in
# the gzip header, so the package is the same from build to build).
set(JUKEWRIGHT_MAN_PAGES jukewright jukewright-cli)
set(JUKEWRIGHT_COMPRESSED_MAN_PAGES)
foreach(page ${JUKEWRIGHT_MAN_PAGES})
    set(text ${CMAKE_BINARY_DIR}/man/${page}.1)
    configure_file(${JUKEWRIGHT_DIST_DIR}/man/${page}.1.in ${text} @ONLY)
    add_custom_command(OUTPUT ${text}.gz
        COMMAND gzip -9 -n -f -k ${text}
        DEPENDS ${text}
        COMMENT "Compressing the manual page ${page}(1)")
    list(APPEND JUKEWRIGHT_COMPRESSED_MAN_PAGES ${text}.gz)
endforeach()
add_custom_target(jukewright_man_pages ALL DEPENDS ${JUKEWRIGHT_COMPRESSED_MAN_PAGES})
install(FILES ${JUKEWRIGHT_COMPRESSED_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
