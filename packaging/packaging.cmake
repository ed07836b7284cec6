# What `cmake --install` puts where, and the Debian package CPack makes of it
# (scripts/package builds it in Release and runs Debian's validators on it).
include(GNUInstallDirs)

set(TOLVA_APP_ID example.tolva.Tolva)
set(TOLVA_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(TOLVA_PACKAGED ${PROJECT_BINARY_DIR}/packaging)

configure_file(${TOLVA_PACKAGING}/${TOLVA_APP_ID}.metainfo.xml ${TOLVA_PACKAGED}/${TOLVA_APP_ID}.metainfo.xml @ONLY)
configure_file(${TOLVA_PACKAGING}/tolva.1 ${TOLVA_PACKAGED}/tolva.1 @ONLY)
configure_file(${TOLVA_PACKAGING}/changelog.in ${TOLVA_PACKAGED}/changelog @ONLY)
# Debian keeps manual pages and changelogs compressed; -n leaves out the time, for identical packages.
foreach(name tolva.1 changelog)
  add_custom_command(OUTPUT ${TOLVA_PACKAGED}/${name}.gz
    COMMAND gzip -9nf -k ${TOLVA_PACKAGED}/${name}
    DEPENDS ${TOLVA_PACKAGED}/${name} VERBATIM)
endforeach()
add_custom_target(tolva_packaging ALL DEPENDS ${TOLVA_PACKAGED}/tolva.1.gz ${TOLVA_PACKAGED}/changelog.gz)

install(TARGETS tolva RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tolva_online LIBRARY DESTINATION ${TOLVA_ONLINE_MODULE_DIR})
install(FILES ${TOLVA_PACKAGING}/${TOLVA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/images/icon2.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TOLVA_APP_ID}.svg)
install(FILES ${TOLVA_PACKAGED}/${TOLVA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TOLVA_PACKAGED}/tolva.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TOLVA_PACKAGING}/copyright ${TOLVA_PACKAGED}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolva)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolva)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The tolva! maintainers <tolva@tolva.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion for the game database of the bleem! emulator")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # tolva_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The keyring library is found by shlibdeps as well; named so that it is never lost. The
# pictures are drawn by Qt's SVG image plugin and libcdio is opened when a disc is first read
# (src/libcdio.cmake): neither is linked, so shlibdeps cannot find them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6keychain1, libqt6svg6, libcdio19")
# A keyring keeps the mail password; Qt's own texts (file chooser, standard buttons) come in the
# user's language with the translations, in English without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gnome-keyring | kwalletmanager, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)  # "games" is for packages that hold a game
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tolva.example/)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The extended description only: CPack puts the summary above it itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "tolva! reads the two game database files of the bleem! PlayStation
emulator, bleem!.INI and Compatibility.TXT, and lets you browse and search
the games, see how well each one runs, add, change and disable entries with
a wizard that reads the disc ID from the game CD, clean the file up, merge
the maintainers' online update and mail the database to them. It finds the
files in the usual Wine prefixes. Every change is written atomically.")
include(CPack)
