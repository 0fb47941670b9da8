# Installing the three programs with their desktop integration, and the Debian package (cpack -G DEB).

include(GNUInstallDirs)

set(ORLEX_APP_ID com.zolvarex.OrlexK7)

install(TARGETS orlex-k7 orlex-k7-cli orlex-k7-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/${ORLEX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${ORLEX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/orlex-k7-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME orlex-k7.xml)
install(DIRECTORY packaging/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages carry the project's version and are installed compressed, as Debian wants them.
find_program(ORLEX_GZIP gzip)
foreach(page orlex-k7 orlex-k7-cli orlex-k7-sim)
  configure_file(docs/man/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  if(ORLEX_GZIP)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.1.gz
                       COMMAND ${ORLEX_GZIP} -9 -n -c ${CMAKE_BINARY_DIR}/man/${page}.1 > ${CMAKE_BINARY_DIR}/man/${page}.1.gz
                       DEPENDS ${CMAKE_BINARY_DIR}/man/${page}.1 VERBATIM)
    list(APPEND man_pages ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  else()
    list(APPEND man_pages ${CMAKE_BINARY_DIR}/man/${page}.1)
  endif()
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The udev rule is documentation: the administrator decides whether to copy it into /etc/udev/rules.d.
install(FILES README.md LICENSE packaging/60-orlex-k7-serial.rules DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME orlex-k7)
set(CPACK_PACKAGE_VENDOR Zolvarex)
set(CPACK_PACKAGE_CONTACT "ORLEX-K7 programmer maintainers <orlex-k7@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming software for the ORLEX-K7 handheld radio")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# CPack puts the summary first and indents these lines; an empty line becomes the paragraph separator.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Reads the memory of the ORLEX-K7 dual-band handheld radio over a serial
programming cable, edits its channels and settings in a set of windows, and
writes it back. Keeps configurations as .dat data files and prints them.
The interface is in Simplified Chinese and English.

Also contains orlex-k7-cli, which converts data files to and from JSON and
reads or writes a radio from the command line, and orlex-k7-sim, a simulated
radio for trying the programmer without one.")
# The libraries come from the binaries; Qt's own dialogs in Chinese and a Chinese font are recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-microhei")
include(CPack)
