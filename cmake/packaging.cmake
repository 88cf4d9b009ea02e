# `make package`: a Debian package of the desktop program and the command-line tool,
# with the desktop entry, the icon in SVG and PNG sizes and the tool's man page.
include(GNUInstallDirs)

install(TARGETS andelstipp andelstipp-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/andelstipp.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/andelstipp.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/andelstipp-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME andelstipp.png)
endforeach()

# The man page follows the tool's own --help.
set(CLI_MANPAGE ${CMAKE_BINARY_DIR}/andelstipp-cli.1)
add_custom_command(OUTPUT ${CLI_MANPAGE}.gz
  COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/cli-manpage.sh $<TARGET_FILE:andelstipp-cli> ${CLI_MANPAGE}
  COMMAND gzip -9nf ${CLI_MANPAGE}
  DEPENDS andelstipp-cli ${PROJECT_SOURCE_DIR}/scripts/cli-manpage.sh
  COMMENT "Man page of andelstipp-cli")
add_custom_target(cli_manpage ALL DEPENDS ${CLI_MANPAGE}.gz)
install(FILES ${CLI_MANPAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME andelstipp)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "andelstipp <andelstipp@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Andelsspill for tippekommisjonærer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Andelsspill for tippekommisjonærer\n Deler et systemspill på tippekupongen i andeler, priser det, skriver\n andelsbevis og onlinefil, med kommandolinjeverktøyet andelstipp-cli.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
