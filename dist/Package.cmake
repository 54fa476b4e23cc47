# The Debian package, made by CPack from the same install rules as `cmake --install`. Built by
# scripts/package.sh, which configures the layout Debian wants for a game (program in
# /usr/games, data in /usr/share/games/curbside) and turns off the build data folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME curbside)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The install rules read CMAKE_INSTALL_PREFIX to write full paths (the menu entry's program, the
# manual's data folder): with DESTDIR staging the prefix stays the one on the target system.
set(CPACK_SET_DESTDIR ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CURBSIDE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CURBSIDE_PUBLIC_URL}")
# Dependencies come from the libraries the program links, through dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "street-performance arcade game for one or two players")
set(CPACK_PACKAGE_DESCRIPTION
  "You are a busker on a scrolling city street at dusk. Walk up to a passer-by,
fall into step and put on a show: beg, sing, or pull a rabbit from your top
hat. Each kind of passer-by favours one of the three acts today; offer the
right one and they pay, offer the wrong one and you trip over your own feet.
Thieves rob you if you stand still near them, and hobos sell dance lessons
that let you dance for the whole crowd.

One player plays through working days against the clock; two players share
one street on a split screen, and the richer performer wins.")
include(CPack)
