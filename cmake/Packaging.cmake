# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Veredod 2000 and building its Debian package (cpack -G DEB).

foreach(program IN ITEMS veredod veredod-calc)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# Sample data: a resin database to start from and a few saved cases.
set(VEREDOD_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/veredod)
foreach(sample IN ITEMS data/resins.dat data/README.md)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${sample})
    install(FILES ${CMAKE_SOURCE_DIR}/${sample} DESTINATION ${VEREDOD_SHARE_DIR})
  endif()
endforeach()
file(GLOB VEREDOD_EXAMPLE_CASES ${CMAKE_SOURCE_DIR}/examples/*.txt)
if(VEREDOD_EXAMPLE_CASES)
  install(FILES ${VEREDOD_EXAMPLE_CASES} DESTINATION ${VEREDOD_SHARE_DIR}/examples)
endif()

# Desktop integration: the menu entry and its icon.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/veredod.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
if(EXISTS ${CMAKE_SOURCE_DIR}/assets/veredod.svg)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/veredod.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Software centres read the AppStream metainfo; it launches the menu entry above.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/com.example.veredod.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The licence as Debian expects it (a copyright file naming GPL-3+, whose full
# text every Debian system has in /usr/share/common-licenses), and the user
# guide with the picture it shows.
set(VEREDOD_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/veredod)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${VEREDOD_DOC_DIR})
foreach(document IN ITEMS docs/guide.md docs/screenshot.png)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${document})
    install(FILES ${CMAKE_SOURCE_DIR}/${document} DESTINATION ${VEREDOD_DOC_DIR})
  endif()
endforeach()

# Manual pages, compressed as Debian keeps them; plain where there is no gzip.
find_program(VEREDOD_GZIP gzip)
set(VEREDOD_MAN_PAGES)
foreach(program IN ITEMS veredod veredod-calc)
  set(page ${CMAKE_SOURCE_DIR}/packaging/${program}.1)
  if(NOT TARGET ${program} OR NOT EXISTS ${page})
    continue()
  endif()
  if(VEREDOD_GZIP)
    set(compressed ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
    # -n keeps the name and time stamp out, so the package is the same on every build.
    add_custom_command(OUTPUT ${compressed}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${VEREDOD_GZIP} -9 -n -c ${page} > ${compressed}
      DEPENDS ${page}
      COMMENT "Compressing the manual page of ${program}")
    list(APPEND VEREDOD_MAN_PAGES ${compressed})
  else()
    list(APPEND VEREDOD_MAN_PAGES ${page})
  endif()
endforeach()
if(VEREDOD_MAN_PAGES)
  add_custom_target(veredod_man_pages ALL DEPENDS ${VEREDOD_MAN_PAGES})
  install(FILES ${VEREDOD_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veredod)
set(CPACK_PACKAGE_VENDOR "Ruvodad")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Single screw extrusion metering calculator")
set(CPACK_PACKAGE_DESCRIPTION "Veredod 2000 works out the drag, pressure and leakage flows, \
output, temperature rise, power, torque and motor current of the metering section of a single \
screw extruder for barrier, single flighted and two stage screws, in metric or US units.")
# Debug information stays in the build folder; the package carries lean programs.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ruvodad <info@example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
