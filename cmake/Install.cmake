# Installation layout and packaging.
#
# The programs look for populacao.txt in the folder of their own executable (through
# /proc/self/exe), so the executables and the population share one private folder, and bin/
# holds only relative symbolic links to them: the kernel resolves the link before the program
# asks where it lives, and the tree keeps working wherever the prefix is moved to.
#
#   <prefix>/lib/varnesk/        varnesk, varnesk-sim, populacao.txt
#   <prefix>/bin/                varnesk, varnesk-sim -> ../lib/varnesk/...
#   <prefix>/share/applications, metainfo, icons/hicolor, doc/varnesk
#
# This file is included after add_subdirectory(src) so that if(TARGET varnesk) sees the Qt
# program when it is built; without it (VARNESK_BUILD_UI=OFF) only the command-line tool is
# installed, and no menu entry points at a missing program.

include(GNUInstallDirs)

set(VARNESK_INSTALL_PRIVATEDIR "lib/varnesk" CACHE STRING
    "Folder, relative to the prefix, that holds the executables beside populacao.txt")
set(VARNESK_APP_ID "io.github.varnesk.Varnesk")
set(_varnesk_packaging "${PROJECT_SOURCE_DIR}/packaging")

set(_varnesk_programs)
if(TARGET varnesk-sim)
  list(APPEND _varnesk_programs varnesk-sim)
endif()
if(TARGET varnesk)
  list(PREPEND _varnesk_programs varnesk)
endif()

install(TARGETS ${_varnesk_programs} RUNTIME DESTINATION ${VARNESK_INSTALL_PRIVATEDIR})
install(FILES "${PROJECT_SOURCE_DIR}/data/populacao.txt" DESTINATION ${VARNESK_INSTALL_PRIVATEDIR})

# The links are made in the build tree and installed as links (file(INSTALL) keeps a symbolic
# link a link). Both folders sit under the same prefix, so the relative path between them does
# not depend on the prefix chosen at install time.
file(RELATIVE_PATH _varnesk_to_private "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${VARNESK_INSTALL_PRIVATEDIR}")
set(_varnesk_links "${PROJECT_BINARY_DIR}/packaging/launchers")
file(REMOVE_RECURSE "${_varnesk_links}")
file(MAKE_DIRECTORY "${_varnesk_links}")
foreach(_program IN LISTS _varnesk_programs)
  file(CREATE_LINK "${_varnesk_to_private}/${_program}" "${_varnesk_links}/${_program}" SYMBOLIC)
  install(FILES "${_varnesk_links}/${_program}" DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

if(TARGET varnesk)
  install(FILES "${_varnesk_packaging}/${VARNESK_APP_ID}.desktop"
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES "${_varnesk_packaging}/${VARNESK_APP_ID}.metainfo.xml"
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  install(DIRECTORY "${_varnesk_packaging}/icons/hicolor"
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons
          FILES_MATCHING PATTERN "varnesk.png" PATTERN "varnesk.svg")
endif()
# The teachers' guide with the screenshots it shows, so that it reads complete offline, and the
# licence (GPL-3.0-or-later).
install(FILES "${PROJECT_SOURCE_DIR}/docs/guia.md" "${PROJECT_SOURCE_DIR}/LICENSE"
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY "${PROJECT_SOURCE_DIR}/docs/screenshots" DESTINATION ${CMAKE_INSTALL_DOCDIR}
        FILES_MATCHING PATTERN "*.png")

# The Debian package. dpkg-shlibdeps (dpkg-dev) reads the libraries the executables link
# against; what they load at run time without linking is declared by hand: Qt finds its
# platform plugin (xcb, wayland) by dlopen, and the windows are laid out for the widths of
# DejaVu Sans (Condensed, from -extra) and Liberation Sans, so another fallback font would let
# captions run into the boxes beside them; Qt's own dialogs and buttons speak Portuguese with
# Qt's translations.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "varnesk")
set(CPACK_PACKAGE_VENDOR "Varnesk")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Line breaks are kept: CPack turns each line into one continuation line of the control file.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Varnesk mostra, por simulação, quão bem a média de uma amostra estima a taxa\n"
  "média de perda de uma população e como essa precisão depende do tamanho da\n"
  "amostra: sorteia muitas amostras, desenha o histograma das médias e mostra\n"
  "sete estatísticas. Inclui a ferramenta de linha de comando varnesk-sim.\n"
  "Licença: GPL-3.0-or-later.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(VARNESK_PACKAGE_MAINTAINER "Equipe Varnesk <varnesk@example.org>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VARNESK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(TARGET varnesk)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core, fonts-dejavu-extra, fonts-liberation2")
endif()
include(CPack)
