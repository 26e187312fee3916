# Installing the programs, and their Debian package.
#
# One package holds the panel of every door build and the chooser: they share
# every library, and the chooser is there to pick among the panels on the
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
set(CPACK_PACKAGE_CONTACT "Door panel developers <door-panel@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(${CMAKE_CURRENT_LIST_DIR}/PanelPackageVersion.cmake)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${PANEL_PACKAGE_REVISION})
install(FILES ${PANEL_CHANGELOG} DESTINATION share/doc/${CPACK_PACKAGE_NAME})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Depends: from the libraries the programs link (dpkg-shlibdeps), and the
# font the forms are drawn with: they ask for Arial, which fontconfig answers
# with Liberation Sans, a font of the same metrics.  Without it another font
# takes its place and cuts the labels' texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
include(CPack)
