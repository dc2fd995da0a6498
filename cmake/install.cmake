# Where the installed game lives. The program finds its data and its sound
# library relative to its own folder, so the whole tree can be moved.

set(ZARVO_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/zarvo-chess)
file(RELATIVE_PATH ZARVO_LIB_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/zarvo-chess)
file(RELATIVE_PATH ZARVO_DATA_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/zarvo-chess)
set_property(SOURCE ${PROJECT_SOURCE_DIR}/shell/data_paths.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS ZARVO_DATA_FROM_BINDIR="${ZARVO_DATA_FROM_BINDIR}")

set_target_properties(zarvo-chess PROPERTIES INSTALL_RPATH "$ORIGIN/${ZARVO_LIB_FROM_BINDIR}")
install(TARGETS zarvo-chess RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zarvosound)
  # Only the game links it: no headers, no development link, no soname of its own.
  install(TARGETS zarvosound LIBRARY DESTINATION ${ZARVO_PRIVATE_LIBDIR} NAMELINK_SKIP)
endif()

# --- Debian package: cpack -G DEB --------------------------------------------
set(CPACK_PACKAGE_NAME zarvo-chess)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zarvo チェス")
set(ZARVO_PACKAGE_MAINTAINER "Zarvo Chess maintainers <maintainers@zarvo-chess.invalid>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT ${ZARVO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZARVO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess game with a Japanese user interface")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Zarvo チェス is a desktop chess game in Japanese. One person plays against\n"
    "the computer (three levels, fifteen handicap grades), or two people play\n"
    "on one board. Games are saved as record files and stepped back and forth;\n"
    "there are five backgrounds, move guidance, sound effects and music.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZARVO_WEB_URL})
# Library dependencies come from dpkg-shlibdeps; the Japanese serif font is
# what the board's texts are set in, and xdg-open shows the help page.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-mincho")
# The engine levels and hints play through it; without it the game has its own three levels.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, stockfish")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Relative to the package's staging root, where dpkg-shlibdeps runs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS usr/${ZARVO_PRIVATE_LIBDIR})
set(CPACK_GENERATOR DEB)
include(CPack)
