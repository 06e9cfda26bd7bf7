# The Debian package: cpack -G DEB in a tree configured with
# -DCMAKE_INSTALL_PREFIX=/usr (tools/package.sh does it all) makes
# ostrel_<version>_amd64.deb with the Qt 6 runtime libraries as dependencies.

set(CPACK_PACKAGE_NAME ostrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ostrel developers")
set(CPACK_PACKAGE_CONTACT "Ostrel developers <maintainers@ostrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and cloning tool for the Ostrel dual-band radio")
set(CPACK_PACKAGE_DESCRIPTION
    "Ostrel reads the memory of the Ostrel dual-band mobile radio through a
serial cable, shows its channels, scan limits and Hyper Memories in
spreadsheet grids, saves them as radio data files and writes them back to
the radio. It edits the radio's set-mode menu, exchanges channel lists as
delimited text, and comes with ostrel-cli, a command-line front end over
the same logic.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The library folder of the package holds the private libportkit; the
# dependencies are found from the program's and the library's own needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/portkit)
# The Qt platform plugins (xcb, wayland) are what shows a window at all.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The toolbar's cut, copy, paste and print buttons take their pictures from the
# desktop's icon theme; without any theme they show as text.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "adwaita-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
