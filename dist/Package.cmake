# The Debian package (scripts/package, or cpack in the build folder): the install rules of
# dist/CMakeLists.txt under /usr, the binaries stripped. dpkg-shlibdeps finds the libraries the
# binaries link; what the program loads at run time is named here: Qt's Wayland platform plugin.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pocketreel)
set(CPACK_PACKAGE_VENDOR "The PocketReel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert videos for the PlayStation Portable")
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "PocketReel turns ordinary video files (AVI, MPEG, MKV, MOV, WMV, FLV, MP4 and"
  "more) into MP4 files that a PlayStation Portable plays, and copies them with"
  "their thumbnails onto the PSP when it is plugged in as a USB drive. Collect"
  "clips in a list, see a still frame of each, trim them, pick an encoding"
  "profile, convert the batch and upload it. pocketreel-cli makes the same"
  "conversions from a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The PocketReel developers <support@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/pocketreel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-wayland)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
