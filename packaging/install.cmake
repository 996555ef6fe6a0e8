# Installing the way a Debian system expects: the program and the simulator
# in bin/, the banner pictures in share/orvelle/ (the program finds them
# there as ../share/orvelle beside its bin/, so the two folders keep their
# usual names), the desktop entry, the icon in the sizes desktops ask for,
# and the READMEs. `make package` builds a Debian package of the same files.
include(GNUInstallDirs)

install(TARGETS orvelle orvelle-sensor-sim RUNTIME DESTINATION bin)
install(FILES ${LOGO_PICTURES} DESTINATION share/orvelle)
install(FILES packaging/orvelle.desktop DESTINATION share/applications)
foreach(size 32 48 64 128 256)
  install(FILES logo/art/orvelle_icon_${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME orvelle.png)
endforeach()
install(FILES README.md DESTINATION share/doc/orvelle)
install(FILES sim/README.md DESTINATION share/doc/orvelle RENAME README.sensor-sim.md)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvelle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvelle project")
set(CPACK_PACKAGE_CONTACT "Orvelle project <help@orvelle.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "operator program of a three-channel optical sensor")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads and writes the sensor's parameters and teach table (RAM, EEPROM or\n"
    "a file), shows live data in displays, bars and graphs, and records data\n"
    "frames to a tab-separated file, over a serial port or TCP/IP. Comes with\n"
    "a simulator of the sensor.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.orvelle.example")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the binaries themselves; the toolkit's window
# system plugins are loaded at run time, so no library names them.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(FILE_COMMAND file)
set(ORVELLE_RUNTIME_DEPENDS "qt6-qpa-plugins")
if(DPKG_SHLIBDEPS AND FILE_COMMAND)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${ORVELLE_RUNTIME_DEPENDS}")
else()
  message(STATUS "dpkg-shlibdeps or file missing: the package names Debian 12's libraries")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "${ORVELLE_RUNTIME_DEPENDS}, libc6, libstdc++6, libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6serialport6 (>= 6.4)")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)
