# Installation layout of a desktop program under CMAKE_INSTALL_PREFIX:
#   bin/                            glowsmith, lwpack, lwservice
#   lib/glowsmith/plugins/          the module through which the editor reaches
#                                   the web engine's cookie store (src/CMakeLists.txt)
#   share/applications/             the desktop entry (opens .lwproj files)
#   share/icons/hicolor/            program and project-file icons
#   share/mime/packages/            the .lwproj file type
#   share/metainfo/                 the software-centre description
#   share/man/man1/                 manual pages
#   share/doc/glowsmith/            copyright and changelog
#
# The editor carries its documents, profiles, artwork, translations and the
# crash helper as Qt resources, so nothing else of ours is needed at run time
# but the cookie module. The
# helper in particular is not installed: the program copies it from its
# resources into ~/Lumeworks/ and only ever starts that copy, so a second
# copy under the prefix would be a file nothing runs.
#
# Included once from the top-level CMakeLists.txt, after the targets exist.

include(GNUInstallDirs)

set(LW_APP_ID "example.brightfold.glowsmith")
set(LW_DIST_DIR "${PROJECT_SOURCE_DIR}/dist")

install(TARGETS glowsmith lwpack lwservice
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS lwwebcookies
        LIBRARY DESTINATION ${LW_WEB_MODULE_INSTALL_DIR})

install(FILES "${LW_DIST_DIR}/linux/${LW_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${LW_DIST_DIR}/linux/${LW_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${LW_DIST_DIR}/linux/glowsmith.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/assets/desktop/icons/"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages and the changelog are installed compressed, the way man and
# Debian expect them; gzip -n keeps the output free of time stamps, so the
# package is the same from one build to the next.
find_program(LW_GZIP gzip REQUIRED)
set(LW_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/glowsmith)
set(LW_COMPRESSED_DIR "${PROJECT_BINARY_DIR}/dist")

function(lw_install_compressed source destination)
  get_filename_component(name "${source}" NAME)
  set(copy "${LW_COMPRESSED_DIR}/${name}")
  add_custom_command(
    OUTPUT "${copy}.gz"
    COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${copy}"
    COMMAND ${LW_GZIP} -9 -n -f "${copy}"
    DEPENDS "${source}"
    COMMENT "Compressing ${name}"
    VERBATIM)
  set_property(GLOBAL APPEND PROPERTY LW_COMPRESSED_FILES "${copy}.gz")
  install(FILES "${copy}.gz" DESTINATION ${destination})
endfunction()

foreach(page glowsmith lwpack lwservice)
  lw_install_compressed("${LW_DIST_DIR}/man/${page}.1" ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# Without a Debian revision the package is native, and its changelog
# carries the plain name.
lw_install_compressed("${LW_DIST_DIR}/debian/changelog" ${LW_DOC_DIR})
install(FILES "${LW_DIST_DIR}/debian/copyright" DESTINATION ${LW_DOC_DIR})

get_property(lw_compressed GLOBAL PROPERTY LW_COMPRESSED_FILES)
if(lw_compressed)
  add_custom_target(lw_dist_files ALL DEPENDS ${lw_compressed})
endif()
