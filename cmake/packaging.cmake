# What `cmake --install` puts where, and the Debian package cpack makes of it:
#   cd build && cpack -G DEB      ->  telqor_<version>_amd64.deb
# The program and telqor-cli go to bin/, the desktop entry and the icon to where desktop menus
# look, the licence and notes of the shipped segment data beside the documentation. The segment
# data itself is inside the programs. Installed below /usr, the program keeps its settings and
# data in the user's data folder (~/.local/share/Telqor), never beside itself.
include(GNUInstallDirs)

install(TARGETS telqor-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TELQOR_BUILD_GUI)
  install(TARGETS telqor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/telqor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/telqor.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt
        ${CMAKE_SOURCE_DIR}/data/LICENSE-segments-2025 DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/telqor)
install(FILES ${CMAKE_SOURCE_DIR}/data/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/telqor RENAME README-segments-2025.md)
install(FILES ${CMAKE_SOURCE_DIR}/data/divisions-2023/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/telqor
        RENAME LICENSE-divisions-2023)

set(CPACK_PACKAGE_NAME telqor)
set(CPACK_PACKAGE_VENDOR "Telqor")
set(CPACK_PACKAGE_CONTACT "Telqor maintainers <maintainers@telqor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lists of Chinese telephone numbers: generate, extract, clean, classify")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Telqor generates numbers from ranges and seven-digit segments, extracts numbers, landlines and\n"
  "e-mail addresses from text and documents, cleans lists of millions of numbers (sort, shuffle,\n"
  "de-duplicate, filter), classifies them by carrier and region and exports them split by those,\n"
  "and manages folders of number files. telqor-cli runs the same operations from a shell.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://telqor.invalid/")
# The libraries come from what the programs link (dpkg-shlibdeps); the rest is what they run
# or show: the Qt platform plugins to open a window, a Chinese font, Qt's own Chinese texts, the
# desktop's folder opener, and the converters of office documents and pdf files.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TELQOR_BUILD_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils, poppler-utils")
endif()
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-writer-nogui, libreoffice-calc-nogui")
include(CPack)
