# What `cmake --install` puts besides the program and its help (installed by src/app and
# src/shell): the desktop entry, the icon and the AppStream data, in the freedesktop
# places under the prefix.
# The files are named by ORVANE_APP_ID (see the top-level CMakeLists.txt).

set(ORVANE_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
set(ORVANE_DESKTOP_ENTRY ${ORVANE_PACKAGING_OUT}/${ORVANE_APP_ID}.desktop)
set(ORVANE_METAINFO ${ORVANE_PACKAGING_OUT}/${ORVANE_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/packaging/orvane.desktop.in ${ORVANE_DESKTOP_ENTRY} COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/orvane.metainfo.xml.in ${ORVANE_METAINFO} @ONLY)

install(FILES ${ORVANE_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORVANE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/app/orvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Installs into a fresh prefix and checks the layout, the validators (when present)
# and that the installed program runs and keeps its settings in the user's folder.
if(TARGET orvane)
    add_test(NAME install_layout
             COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/check-install.sh
                     ${PROJECT_BINARY_DIR} ${ORVANE_APP_ID})
    set_tests_properties(install_layout PROPERTIES TIMEOUT 300)
endif()
