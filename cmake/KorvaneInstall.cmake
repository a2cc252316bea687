# The installation and the Debian package made of it.
#
#   <prefix>/lib/korvane/        the editor, every helper it starts by name,
#                                its resources and the shipped configuration:
#                                what the build's bin/ holds
#   <prefix>/bin/korvane         -> ../lib/korvane/korvane
#   <prefix>/share/applications  korvane.desktop
#   <prefix>/share/metainfo      com.tessaracorp.Korvane.metainfo.xml
#   <prefix>/share/icons/hicolor the icon, scalable and at six sizes
#   <prefix>/share/mime/packages korvane-mime.xml
#   <prefix>/share/man/man1      korvane.1.gz
#   <prefix>/share/doc/korvane   copyright, changelog.gz
#
# Every path is relative to the prefix and the editor finds its folder from
# its own executable, so the tree works wherever it is unpacked.
#
# Included after the source folders, so that every target exists.

include(GNUInstallDirs)

# Installing never builds everything first (tests and benchmarks included):
# build the korvane_installation target below, then install or package.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(KORVANE_INSTALL_APPDIR "lib/korvane" CACHE STRING
    "Folder, below the prefix, of the editor with its helpers and resources")
set(KORVANE_INSTALL_COMPONENT korvane)
set(_packaging ${CMAKE_SOURCE_DIR}/packaging)
set(_staged ${CMAKE_BINARY_DIR}/packaging)

# Executables land in bin/ unless they say otherwise; the build tools, tests
# and benchmarks all do. So the installation's programs are the executables of
# the source tree that keep the default output folder.
function(_korvane_collect_runtime_targets dir out)
  set(_found "")
  get_property(_targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(_t ${_targets})
    get_target_property(_type ${_t} TYPE)
    get_target_property(_outdir ${_t} RUNTIME_OUTPUT_DIRECTORY)
    if(_type STREQUAL "EXECUTABLE" AND (NOT _outdir OR _outdir STREQUAL "${KORVANE_BIN_DIR}"))
      list(APPEND _found ${_t})
    endif()
  endforeach()
  get_property(_subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(_sub ${_subdirs})
    _korvane_collect_runtime_targets(${_sub} _more)
    list(APPEND _found ${_more})
  endforeach()
  set(${out} ${_found} PARENT_SCOPE)
endfunction()

_korvane_collect_runtime_targets(${CMAKE_SOURCE_DIR}/Src/Korvane _editor_targets)
_korvane_collect_runtime_targets(${CMAKE_SOURCE_DIR}/Src/Helpers _helper_targets)
install(TARGETS ${_editor_targets} ${_helper_targets}
        RUNTIME DESTINATION ${KORVANE_INSTALL_APPDIR} COMPONENT ${KORVANE_INSTALL_COMPONENT})

# Everything the installation holds, built: `cmake --build . --target
# korvane_installation` before `cmake --install` or `cpack`.
add_custom_target(korvane_installation)
add_dependencies(korvane_installation ${_editor_targets} ${_helper_targets}
                 check_media faldric_device_lists korvane_configs)

# Resources generated beside the editor at build time, and the shipped
# configuration from the sources (the build's copy also holds what runs wrote).
install(FILES
          ${KORVANE_BIN_DIR}/opencl_black_list.xml
          ${KORVANE_BIN_DIR}/opencl_white_list.xml
          ${KORVANE_BIN_DIR}/4KvideoforGPUtest1.mp4
          ${KORVANE_BIN_DIR}/6KpictureforGPUtest1.jpg
        DESTINATION ${KORVANE_INSTALL_APPDIR} COMPONENT ${KORVANE_INSTALL_COMPONENT})
install(DIRECTORY ${KORVANE_BIN_DIR}/SplashResource
        DESTINATION ${KORVANE_INSTALL_APPDIR} COMPONENT ${KORVANE_INSTALL_COMPONENT})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/configs
        DESTINATION ${KORVANE_INSTALL_APPDIR} COMPONENT ${KORVANE_INSTALL_COMPONENT})

# The command on PATH: a relative link, made once here and installed as a link.
file(MAKE_DIRECTORY ${_staged})
file(RELATIVE_PATH _to_app /${CMAKE_INSTALL_BINDIR} /${KORVANE_INSTALL_APPDIR}/korvane)
file(CREATE_LINK ${_to_app} ${_staged}/korvane SYMBOLIC)
install(FILES ${_staged}/korvane DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${KORVANE_INSTALL_COMPONENT})

# Desktop integration.
install(FILES ${_packaging}/korvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${KORVANE_INSTALL_COMPONENT})
install(FILES ${_packaging}/com.tessaracorp.Korvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT ${KORVANE_INSTALL_COMPONENT})
install(FILES ${_packaging}/korvane-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages COMPONENT ${KORVANE_INSTALL_COMPONENT})
install(FILES ${_packaging}/icons/korvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT ${KORVANE_INSTALL_COMPONENT})
foreach(_size 16 32 48 64 128 256)
  install(FILES ${_packaging}/icons/korvane-${_size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
          RENAME korvane.png COMPONENT ${KORVANE_INSTALL_COMPONENT})
endforeach()

# Manual page and changelog, compressed as Debian wants them (no name or time
# stamp in the gzip header, so the package is the same at every build).
set(_compressed "")
foreach(_doc korvane.1 changelog)
  add_custom_command(OUTPUT ${_staged}/${_doc}.gz
      COMMAND sh -c "gzip -9nc < \"$0\" > \"$1\"" ${_packaging}/${_doc} ${_staged}/${_doc}.gz
      DEPENDS ${_packaging}/${_doc}
      VERBATIM)
  list(APPEND _compressed ${_staged}/${_doc}.gz)
endforeach()
add_custom_target(korvane_packaging_docs ALL DEPENDS ${_compressed})
add_dependencies(korvane_installation korvane_packaging_docs)
install(FILES ${_staged}/korvane.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${KORVANE_INSTALL_COMPONENT})
install(FILES ${_packaging}/copyright ${_staged}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/korvane COMPONENT ${KORVANE_INSTALL_COMPONENT})

include(${_packaging}/KorvanePackage.cmake)
