# The game on a player's desktop: what `cmake --install` puts into a prefix besides the program,
# its sounds, songs and icons (each installed where it is made), and the .deb CPack makes of it all
# (`cpack -G DEB` in the build folder, or `make package`).
set(TOLVEX_APP_ID io.github.tolvex.Tolvex)
set(TOLVEX_HOMEPAGE "https://github.com/tolvex/tolvex" CACHE STRING
    "The game's home page, for the AppStream metadata and the package")
set(TOLVEX_SCREENSHOT_URL "https://raw.githubusercontent.com/tolvex/tolvex/main/docs" CACHE STRING
    "Where the pictures of docs/ are published, for software centres")

configure_file(${PROJECT_SOURCE_DIR}/data/${TOLVEX_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/data/${TOLVEX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_SOURCE_DIR}/data/${TOLVEX_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/data/${TOLVEX_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/tolvex.6 DESTINATION share/man/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tolvex team")
set(CPACK_PACKAGE_CONTACT "The Tolvex team <tolvex@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time 2D space shooter")
set(CPACK_PACKAGE_DESCRIPTION
    "Fly one ship through an unbounded plane of space against enemy ships of 52 types, with self-aiming \
turrets and four kinds of homing rockets, through ten stages and ten bonus stages.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TOLVEX_HOMEPAGE})
# dpkg-shlibdeps names the libraries the program links (SDL2, SDL2_mixer, libpng, ...) as dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
