# The Debian package: `cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr
# and, as Debian wants for games, CMAKE_INSTALL_BINDIR=games (scripts/package does that,
# builds with Debian's hardening flags and runs lintian).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME circumvia)
set(CPACK_PACKAGE_VENDOR Vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "${CIRCUMVIA_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CIRCUMVIA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CIRCUMVIA_MAINTAINER}")
# Library dependencies are read from the programs by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The summary above is the first line; CPack indents this body and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Circumvia is a board game for two players on a 6 x 6 board whose inner lines
are joined at the corners by arcs into two looped circuits. A piece steps one
cell in any direction, or captures by travelling along a circuit, round at
least one corner arc, to the first enemy piece it meets.

Play against another person, against the computer at five strengths, or watch
two computer players, on a 3D board that turns, tilts and zooms. Games can be
stepped through, saved, loaded and printed; the program speaks French,
English, Spanish and German. The package also holds circumvia-cli, the game
engine's command-line tool.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Directories 0755 as Debian expects, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
