# The translations: one message catalogue po/LANG.po for each language
# besides English, for the windows, the companion and the reports alike.
# Each is checked and compiled by msgfmt into locale/LANG/LC_MESSAGES in the
# build folder (where the programs built there find it) and installed beside
# other programs' catalogues. A new file po/LANG.po is a new language.
include(GNUInstallDirs)
find_program(MSGFMT msgfmt REQUIRED)
file(GLOB ORBALIS_CATALOGUES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/*.po)
set(ORBALIS_BUILD_LOCALE_DIR ${CMAKE_BINARY_DIR}/locale)
set(ORBALIS_COMPILED_CATALOGUES "")
foreach(po IN LISTS ORBALIS_CATALOGUES)
  get_filename_component(language ${po} NAME_WE)
  set(folder ${ORBALIS_BUILD_LOCALE_DIR}/${language}/LC_MESSAGES)
  set(mo ${folder}/orbalis.mo)
  add_custom_command(OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${MSGFMT} --check -o ${mo} ${po}
    DEPENDS ${po} VERBATIM)
  list(APPEND ORBALIS_COMPILED_CATALOGUES ${mo})
  install(FILES ${mo} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${language}/LC_MESSAGES)
endforeach()
add_custom_target(catalogues ALL DEPENDS ${ORBALIS_COMPILED_CATALOGUES})

# Where the programs look for them: the build folder's, for programs run
# from it, and the installed ones.
function(orbalis_catalogue_folders target)
  target_compile_definitions(${target} PRIVATE
    ORBALIS_BUILD_DIR="${CMAKE_BINARY_DIR}"
    ORBALIS_BUILD_LOCALE_DIR="${ORBALIS_BUILD_LOCALE_DIR}"
    ORBALIS_INSTALLED_LOCALE_DIR="${CMAKE_INSTALL_FULL_LOCALEDIR}")
endfunction()
