# Read by cpack for each package it builds, in cpack's own run.
#
# The launcher and the menu entry hold the programs' absolute paths from the
# configured prefix, and a Debian package installs its programs under /usr,
# so any other prefix would give a menu entry that starts nothing.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
  message(FATAL_ERROR "the Debian package needs a build tree configured with "
                      "CMAKE_INSTALL_PREFIX=/usr, not ${CPACK_PACKAGING_INSTALL_PREFIX} "
                      "(scripts/package.sh does so)")
endif()

# The long description is read here rather than at configure time: cpack
# copies configured values into its configuration without escaping quotes,
# and its own reading of the description file turns quotes and apostrophes
# into XML entities.
file(READ "${CPACK_PACKAGE_DESCRIPTION_FILE}" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
