# The Debian package: `cpack -G DEB` in a build folder (or ./quillo-dev
# package) writes quillo_<version>_<arch>.deb. Its library dependencies come
# from dpkg-shlibdeps, which reads the program and its codec, sound and face
# modules; what Quillo opens by name at run time is listed here: the window
# system plugin, the fonts its art and texts name, the soundfont of the MIDI
# music, and OpenCV's cascades for the automatic lines.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop toy for playing with portraits")
set(CPACK_PACKAGE_CONTACT "The Quillo developers <quillo@users.noreply.github.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillo.github.io/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core, timgm6mb-soundfont")
if(QUILLO_HAVE_FACE_MODULE)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", opencv-data")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")
# The long description, line by line as the package shows it.
set(CPACK_PACKAGE_DESCRIPTION
    "Load a face and smear it like wet paint, look at it through four fun-house
mirrors, morph it into another face along control lines, or paint parts of
one face into another. Results go to picture files, the clipboard, the
printer or short videos; the effects also run from the command line.")
include(CPack)
