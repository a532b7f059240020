# A Debian package of the installed tree: `cpack -G DEB` in the build folder (needs dpkg-dev and file,
# which compute the package's dependencies from the libraries the programs link).

set(CPACK_PACKAGE_NAME jukewright)
set(CPACK_PACKAGE_VENDOR "The Jukewright developers")
set(CPACK_PACKAGE_CONTACT "The Jukewright developers <hello@jukewright.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://jukewright.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build an MP3 jukebox for Half-Life and its mods")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Jukewright turns a playlist into a jukebox inside Half-Life and its mods (Counter-Strike, Day of "
    "Defeat, Team Fortress Classic, ...). It writes a console script and the tracks into the mod folder, "
    "hooks userconfig.cfg and adds a section of MP3 player controls to the mod's key-binding list, so "
    "that the player binds the jukebox's keys in the game's own Controls menu.\n\n"
    "The package holds the desktop program, jukewright, and the command line, jukewright-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs one of Qt's display plugins (xcb, also under XWayland), which no linked library
# names: Qt only recommends them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")

include(CPack)
