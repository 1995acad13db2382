# `cpack -G DEB` in a build configured with VORANTIS_DEBIAN_LAYOUT=ON and the /usr prefix makes
# vorantis_<version>_amd64.deb; the library dependencies are read from the binaries (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME vorantis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vorantis developers")
set(CPACK_PACKAGE_CONTACT "Vorantis developers <vorantis@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: colour the labyrinth floor before time runs out")
set(CPACK_PACKAGE_DESCRIPTION
    "Steer a cursor over a labyrinth and colour its floor before the countdown runs
out, while enemies wander about and paint it back. Labyrinths are generated
from a seed and the level number, or read from a level file; graphics, sounds,
music, font, tile and object definitions are all data beside the program.
.
The package also holds vorantis-replay, which plays the game headless from an
input script and writes its state, for testing data sets.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vorantis.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# SDL and libepoxy open the GL library at run time, so no link names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
include(CPack)
