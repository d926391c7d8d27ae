# Where everything goes on `cmake --install` (and in the Debian package): the
# two programs, the desktop entry with its icon, metadata and file type, the
# manual pages, the user guide and the package's copyright and changelog.
include(GNUInstallDirs)

# The one name the desktop entry, the metadata, the icons and the reading-file
# type are known by.
set(ORBALIS_APP_ID org.orbalis.Orbalis)
set(ORBALIS_PACKAGE_NAME orbalis)

install(TARGETS orbalis orbalis-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The user guide the Help menu shows, readable without the program too.
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${ORBALIS_PACKAGE_NAME})
install(FILES ${ORBALIS_GUIDE_PICTURES} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${ORBALIS_PACKAGE_NAME}/docs)

add_subdirectory(desktop)
add_subdirectory(man)
add_subdirectory(packaging)

# Everything an install copies, and nothing else: what `make install` builds.
add_custom_target(installable DEPENDS orbalis orbalis-cli manual_pages package_changelog catalogues)

if(BUILD_TESTING)
  add_subdirectory(tests/install)
endif()
