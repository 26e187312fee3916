# Installing the programs, and their Debian package.
#
# One package holds the panel of every door build and the chooser: they share
# every library, and the chooser reports a pick among the panels on the
# machine.  The programs go to <prefix>/lib/kelvaron-panel, a folder of the
# package's own that keeps their short names off the PATH; the package's
# prefix is /usr.  Each opens kelvaron.ini and logo.png in the folder it is
# started in.
#
# The package is made from a Release build without the tests (README,
# "Installing").  Its programs are stripped, whatever the build type: their
# symbol tables would name the passcodes.  A Release build carries no debug
# information, so there is none to keep apart.
list(TRANSFORM PANEL_BUILDS PREPEND panel- OUTPUT_VARIABLE panel_programs)
set(PANEL_PROGRAM_DIR lib/kelvaron-panel)
install(TARGETS ${panel_programs} chooser RUNTIME DESTINATION ${PANEL_PROGRAM_DIR})

set(CPACK_PACKAGE_NAME kelvaron-panel)
list(JOIN panel_programs ", " panel_program_names)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Operator panel of a powered sliding door: ${panel_program_names}, chooser")
set(CPACK_PACKAGE_DESCRIPTION [[
The operator panel of a ship's powered sliding door, for a 240 x 320
portrait touch screen beside the door controller, to which a serial line
(/dev/COM1, 57600 baud) wires it. It shows what the controller reports (door
state, faults, warnings, events, inputs and outputs, counters), lets the crew
pick the operating mode, and lets service staff log in, edit the
controller's parameters and set the panel's clock.
.
The programs, in /usr/lib/kelvaron-panel/, are:
 - panel-a, the panel of door build A: seven operating modes, a sensors
   screen;
 - panel-b, the panel of door build B: four operating modes on three
   buttons, Open held to open, sealing, fire, security-system and locked
   states;
 - panel-c, the panel of door build C: six operating modes without mode
   buttons, Open held to open;
 - chooser, which asks which of three panel variants is wanted and reports
   the pick by its exit code (0, 1 or 2); it installs and starts nothing.
.
Each panel keeps its settings (kelvaron.ini) and shows its logo (logo.png)
in the folder it is started in. The systemd unit kelvaron-panel@.service,
not enabled, starts one at boot as the user kelvaron-panel:
kelvaron-panel@a starts panel-a in /var/lib/kelvaron-panel/a/.]])
# The project's own address; .invalid, as it takes no mail.
set(CPACK_PACKAGE_CONTACT "Door panel developers <door-panel@kelvaron.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(${CMAKE_CURRENT_LIST_DIR}/PanelPackageVersion.cmake)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${PANEL_PACKAGE_REVISION})

# Beside the changelog, the copyright file (all rights reserved, no licence
# granted) and the README, which says how a panel PC runs the panels.
set(PANEL_DOC_DIR share/doc/${CPACK_PACKAGE_NAME})
configure_file(cmake/package/copyright.in package/copyright @ONLY)
configure_file(README.md package/README.md COPYONLY)
execute_process(COMMAND ${GZIP_EXECUTABLE} -9nf ${CMAKE_CURRENT_BINARY_DIR}/package/README.md)
install(FILES ${PANEL_CHANGELOG} ${CMAKE_CURRENT_BINARY_DIR}/package/copyright
              ${CMAKE_CURRENT_BINARY_DIR}/package/README.md.gz
        DESTINATION ${PANEL_DOC_DIR})

# The unit that starts a panel at boot, for the package's programs, and the
# user it runs them as, which the package makes.
set(PANEL_PROGRAM_PATH ${CPACK_PACKAGING_INSTALL_PREFIX}/${PANEL_PROGRAM_DIR})
set(PANEL_README ${CPACK_PACKAGING_INSTALL_PREFIX}/${PANEL_DOC_DIR}/README.md.gz)
configure_file(cmake/package/kelvaron-panel@.service.in package/kelvaron-panel@.service @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/package/kelvaron-panel@.service DESTINATION lib/systemd/system)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/package/postinst
                                       ${PROJECT_SOURCE_DIR}/cmake/package/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What lintian cannot see: the programs are built fortified, but every call
# to a function with a checked variant has its size settled at compile time.
install(FILES cmake/package/lintian-overrides DESTINATION share/lintian/overrides RENAME ${CPACK_PACKAGE_NAME})

set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Depends: from the libraries the programs link (dpkg-shlibdeps); the font
# the forms are drawn with: they ask for Arial, which fontconfig answers with
# Liberation Sans, a font of the same metrics (without it another font takes
# its place and cuts the labels' texts); adduser for the unit's user.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, adduser")
include(CPack)
