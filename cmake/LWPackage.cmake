# The Debian package, made by CPack from the install rules (LWInstall.cmake):
#   scripts/package                 Release build in build-package/, then the .deb
#   cpack -G DEB (in a build folder) the same from that build
#
# Library dependencies come from dpkg-shlibdeps. What no link reveals is
# listed here: the QML modules the documents import, the database driver
# plugin, the quantiser the compression runs and the fonts of the Chinese
# profile labels. tests/install checks this list against every import in
# qml/ and the qmldir dependencies of the imported modules, and checks that
# whatever the running editor loads comes from the package's dependencies.

set(LW_PACKAGE_MAINTAINER "Brightfold <packaging@brightfold.example>"
    CACHE STRING "Maintainer field of the Debian package")

set(LW_RUNTIME_PACKAGES
  # QML modules
  qml-module-qtquick2
  qml-module-qtquick-window2
  qml-module-qtquick-controls2
  qml-module-qtquick-layouts
  qml-module-qtquick-dialogs
  # the dialogs module declares Controls 1 in its qmldir (its QML
  # fallback dialogs), which its Debian package does not depend on
  qml-module-qtquick-controls
  qml-module-qtwebengine
  qml-module-qtwebchannel
  # plugins and programs loaded at run time
  libqt5sql5-sqlite
  libqt5multimedia5-plugins
  gstreamer1.0-plugins-good
  pngquant
  # the face model the preview's tracking reads
  libdlib-data
  fonts-noto-cjk)
list(JOIN LW_RUNTIME_PACKAGES ", " LW_RUNTIME_DEPENDS)

set(CPACK_PACKAGE_NAME "glowsmith")
set(CPACK_PACKAGE_VENDOR "Brightfold")
set(CPACK_PACKAGE_CONTACT "${LW_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for real-time camera effects")
set(CPACK_PACKAGE_DESCRIPTION
"Glowsmith is an authoring tool for real-time camera effects: face-tracked
2D stickers with frame animations, face makeup layers, colour-lookup
filters, hair colouring, person matting and background music. An author
starts from an empty project or a template, edits every feature in a
property inspector and exports an effect package to disk, to a phone for
preview, or for review.

The package also carries lwpack, which exports, imports and checks effect
packages from scripts, and lwservice, a local reference implementation of
the online services the editor talks to.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "glowsmith")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CPACK_GENERATOR "DEB")
else()
  set(CPACK_GENERATOR "TGZ")
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LW_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${LW_RUNTIME_DEPENDS}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")

include(CPack)
