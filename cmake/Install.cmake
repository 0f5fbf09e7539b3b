# Installation with the GNU folder layout, and the Debian package.
#   cmake --install build [--prefix DIR]      program, worker, translations,
#                                             launcher entry, icons, AppStream,
#                                             manual page, bash completion,
#                                             file-manager actions
#   scripts/package.sh                        sheafwright_<version>_<arch>.deb
# The program is in bin; pdfworker is a private helper in libexec/sheafwright;
# the translations are in share/sheafwright/translations. The program finds
# both relative to its own folder (app/InstallLayout), so the tree can be
# moved or staged under any prefix.
include(GNUInstallDirs)

set(SW_APP_ID org.sheafwright.Sheafwright)
set(SW_INSTALL_LIBEXECDIR ${CMAKE_INSTALL_LIBEXECDIR}/sheafwright)
set(SW_INSTALL_TRANSLATIONSDIR ${CMAKE_INSTALL_DATADIR}/sheafwright/translations)
set(SW_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)

# Compiled into the program: the install's folders seen from bin.
file(RELATIVE_PATH SW_LIBEXEC_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/sheafwright)
file(RELATIVE_PATH SW_TRANSLATIONS_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/sheafwright/translations)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/app/InstallLayout.cpp APPEND PROPERTY COMPILE_DEFINITIONS
    SW_LIBEXEC_FROM_BIN="${SW_LIBEXEC_FROM_BIN}"
    SW_TRANSLATIONS_FROM_BIN="${SW_TRANSLATIONS_FROM_BIN}")

install(TARGETS sheafwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS pdfworker RUNTIME DESTINATION ${SW_INSTALL_LIBEXECDIR})
install(FILES ${SW_QM_FILES} DESTINATION ${SW_INSTALL_TRANSLATIONSDIR})
install(FILES ${SW_DESKTOP_DIR}/${SW_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SW_DESKTOP_DIR}/${SW_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/style/src/icons/app.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${SW_APP_ID}.svg)
# PNG sizes drawn from the same source by scripts/make-images.sh.
install(DIRECTORY ${SW_DESKTOP_DIR}/icons/hicolor/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
        FILES_MATCHING PATTERN "*.png")
# The manual page, with the version of the build.
configure_file(${CMAKE_SOURCE_DIR}/resources/man/sheafwright.1.in ${CMAKE_BINARY_DIR}/man/sheafwright.1 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/man/sheafwright.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Completion of the commands and their options, loaded on demand by bash-completion.
install(FILES ${CMAKE_SOURCE_DIR}/resources/completion/sheafwright.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME sheafwright)
# Right-click actions "Merge with Sheafwright" and "Split with Sheafwright":
# Dolphin (KIO service menus) and Nemo read them from these folders.
install(FILES ${CMAKE_SOURCE_DIR}/resources/filemanager/sheafwright-merge.desktop
              ${CMAKE_SOURCE_DIR}/resources/filemanager/sheafwright-split.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kio/servicemenus)
install(FILES ${CMAKE_SOURCE_DIR}/resources/filemanager/sheafwright-merge.nemo_action
              ${CMAKE_SOURCE_DIR}/resources/filemanager/sheafwright-split.nemo_action
        DESTINATION ${CMAKE_INSTALL_DATADIR}/nemo/actions)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sheafwright RENAME copyright)

# --- Debian package (CPack): dependencies from the libraries the executables
# link, found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sheafwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Sheafwright developers")
set(CPACK_PACKAGE_CONTACT "The Sheafwright developers <maintainers@sheafwright.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "split PDF files into parts and merge several into one")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Sheafwright splits one PDF file into one file per page, groups of pages,\n\
chosen page ranges or a copy without chosen pages, and merges several PDF\n\
files, in a chosen order and with protected ones unlocked, into one file,\n\
optionally protected with a password. Every split and merge runs in a\n\
separate worker process.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://sheafwright.org")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
