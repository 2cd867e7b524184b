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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veredod)
set(CPACK_PACKAGE_VENDOR "Ruvodad")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
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
