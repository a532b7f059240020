# A Debian package of the installed tree: `cpack -G DEB` in the build folder (needs dpkg-dev and file,
# which compute the package's dependencies from the libraries the programs link).

set(CPACK_PACKAGE_NAME jukewright)
set(CPACK_PACKAGE_VENDOR "The Jukewright developers")
# The project has no address of its own yet: whoever builds the package names themselves the Debian
# way, else the contact is at a domain that can never be anybody's.
if(DEFINED ENV{DEBEMAIL} AND "$ENV{DEBEMAIL}" MATCHES "<")
    set(JUKEWRIGHT_MAINTAINER "$ENV{DEBEMAIL}")
elseif(DEFINED ENV{DEBEMAIL} AND DEFINED ENV{DEBFULLNAME})
    set(JUKEWRIGHT_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
elseif(DEFINED ENV{DEBEMAIL})
    set(JUKEWRIGHT_MAINTAINER "The Jukewright developers <$ENV{DEBEMAIL}>")
else()
    set(JUKEWRIGHT_MAINTAINER "The Jukewright developers <jukewright@maintainers.invalid>")
endif()
set(CPACK_PACKAGE_CONTACT "${JUKEWRIGHT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build an MP3 jukebox for Half-Life and its mods")
# Debian shows the description as it stands: short lines, a lone "." between paragraphs.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Jukewright turns a playlist into a jukebox inside Half-Life and its mods\n"
    "(Counter-Strike, Day of Defeat, Team Fortress Classic, ...). It writes a\n"
    "console script and the tracks into the mod folder, hooks userconfig.cfg\n"
    "and adds a section of MP3 player controls to the mod's key-binding list,\n"
    "so that the player binds the jukebox's keys in the game's own Controls\n"
    "menu.\n"
    "\n"
    "The package holds the desktop program, jukewright, and the command line,\n"
    "jukewright-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs one of Qt's display plugins (xcb, also under XWayland), which no linked library
# names: Qt only recommends them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Directories as Debian makes them (0755), whatever the builder's umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What Debian keeps beside every package: the copyright of each part (the program, the track, the
# font, whose licence text comes from data/LICENSES) and, for a package that is its own upstream, the
# changelog, compressed without name or time.
file(READ ${CMAKE_SOURCE_DIR}/data/LICENSES JUKEWRIGHT_MEDIA_LICENCES)
string(FIND "${JUKEWRIGHT_MEDIA_LICENCES}" "-----------------------------------------------------------\nSIL OPEN FONT"
       JUKEWRIGHT_OFL_START)
string(SUBSTRING "${JUKEWRIGHT_MEDIA_LICENCES}" ${JUKEWRIGHT_OFL_START} -1 JUKEWRIGHT_OFL_TEXT)
string(STRIP "${JUKEWRIGHT_OFL_TEXT}" JUKEWRIGHT_OFL_TEXT)
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" JUKEWRIGHT_OFL_TEXT "${JUKEWRIGHT_OFL_TEXT}")
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" JUKEWRIGHT_OFL_TEXT "${JUKEWRIGHT_OFL_TEXT}")
string(REPLACE "\n" "\n " JUKEWRIGHT_OFL_TEXT " ${JUKEWRIGHT_OFL_TEXT}")
configure_file(${JUKEWRIGHT_DIST_DIR}/debian/copyright.in ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
configure_file(${JUKEWRIGHT_DIST_DIR}/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
    COMMAND gzip -9 -n -f -k ${CMAKE_BINARY_DIR}/debian/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog
    COMMENT "Compressing the changelog")
add_custom_target(jukewright_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
