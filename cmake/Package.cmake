# The Debian package: `cpack -G DEB` in a build directory (scripts/package does it) writes
# ramparo_<version>_<arch>.deb with the files of `cmake --install` under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ramparo)
set(CPACK_PACKAGE_VENDOR "The Ramparo developers")
set(CPACK_PACKAGE_CONTACT "The Ramparo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based artillery game for two to five players")
# The long description; cpack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Ramparo is a two-dimensional, turn-based artillery game: humans sharing one
keyboard and mouse, or computer opponents, each hold a fortress on a landscape
that every shot destroys pixel by pixel. Ten weapons, crates of money and
weapons, weather, and a shop between battles.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries (SDL2 and its mixer, ttf and image, fontconfig, the C++ runtime) are found by
# dpkg-shlibdeps; the font is looked up by name through fontconfig, so it is declared by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
