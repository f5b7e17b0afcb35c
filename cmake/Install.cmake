# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts besides the program and its help (installed by src/app and
# src/shell), in the freedesktop places under the prefix: the desktop entry, the icons of
# the program and of its function-graph files, the `.fun` file type, the AppStream data,
# the manual pages and the example files. The copyright and change notes come from
# debian/ in the package build.
# The desktop entry, AppStream data and file type are named by ORVANE_APP_ID (see the
# top-level CMakeLists.txt).

set(ORVANE_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
set(ORVANE_DESKTOP_ENTRY ${ORVANE_PACKAGING_OUT}/${ORVANE_APP_ID}.desktop)
set(ORVANE_METAINFO ${ORVANE_PACKAGING_OUT}/${ORVANE_APP_ID}.metainfo.xml)
set(ORVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/orvane)
configure_file(${PROJECT_SOURCE_DIR}/packaging/orvane.desktop.in ${ORVANE_DESKTOP_ENTRY} COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/orvane.metainfo.xml.in ${ORVANE_METAINFO} @ONLY)

install(FILES ${ORVANE_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORVANE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/orvane-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${ORVANE_APP_ID}.xml)

# Icons: our two drawings as scalable SVG, and PNGs of the usual sizes rendered from them
# at build time, so that the PNGs never drift from the drawings.
set(ORVANE_ICON_SIZES 16 22 24 32 48 64 128 256)
add_executable(orvane_render_icon ${PROJECT_SOURCE_DIR}/packaging/RenderIcon.cpp)
target_link_libraries(orvane_render_icon PRIVATE Qt6::Gui Qt6::Svg orvane_warnings)
set(ORVANE_ICON_OUTPUTS)
# name: the icon's theme name; context: its hicolor folder (apps, mimetypes).
function(orvane_icon svg name context)
    set(out ${ORVANE_PACKAGING_OUT}/icons/${context})
    set(pngs)
    foreach(size ${ORVANE_ICON_SIZES})
        list(APPEND pngs ${out}/${size}x${size}/${name}.png)
        install(FILES ${out}/${size}x${size}/${name}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/${context})
    endforeach()
    add_custom_command(
        OUTPUT ${pngs}
        # A build-time helper: leaks at its exit are of no interest in sanitized builds.
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:orvane_render_icon> ${svg} ${out} ${name} ${ORVANE_ICON_SIZES}
        DEPENDS ${svg} orvane_render_icon
        COMMENT "Rendering the ${name} icon to PNG"
        VERBATIM)
    install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/${context}
            RENAME ${name}.svg)
    set(ORVANE_ICON_OUTPUTS ${ORVANE_ICON_OUTPUTS} ${pngs} PARENT_SCOPE)
endfunction()
orvane_icon(${PROJECT_SOURCE_DIR}/resources/app/orvane.svg orvane apps)
orvane_icon(${PROJECT_SOURCE_DIR}/resources/app/application-x-orvane-fun.svg
            application-x-orvane-fun mimetypes)
orvane_icon(${PROJECT_SOURCE_DIR}/resources/app/application-x-orvane-document.svg
            application-x-orvane-document mimetypes)

# Manual pages (English and Chinese), compressed as Debian wants them: gzip -9 without a
# time stamp, so that equal sources give equal files.
find_program(ORVANE_GZIP gzip REQUIRED)
function(orvane_gzip source output)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${ORVANE_GZIP} -9nc ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
endfunction()
set(ORVANE_MAN_OUT ${ORVANE_PACKAGING_OUT}/man)
configure_file(${PROJECT_SOURCE_DIR}/packaging/man/orvane.1 ${ORVANE_MAN_OUT}/en/orvane.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/man/orvane.zh_CN.1 ${ORVANE_MAN_OUT}/zh_CN/orvane.1
               @ONLY)
orvane_gzip(${ORVANE_MAN_OUT}/en/orvane.1 ${ORVANE_MAN_OUT}/en/orvane.1.gz)
orvane_gzip(${ORVANE_MAN_OUT}/zh_CN/orvane.1 ${ORVANE_MAN_OUT}/zh_CN/orvane.1.gz)
add_custom_target(orvane_desktop_files ALL
    DEPENDS ${ORVANE_ICON_OUTPUTS} ${ORVANE_MAN_OUT}/en/orvane.1.gz
            ${ORVANE_MAN_OUT}/zh_CN/orvane.1.gz)
install(FILES ${ORVANE_MAN_OUT}/en/orvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ORVANE_MAN_OUT}/zh_CN/orvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/zh_CN/man1)
install(FILES ${PROJECT_SOURCE_DIR}/examples/school-curves.fun
              ${PROJECT_SOURCE_DIR}/examples/trigonometry.fun
        DESTINATION ${ORVANE_DOC_DIR}/examples)

# Installs into a fresh prefix and checks the layout, the validators (when present)
# and that the installed program runs and keeps its settings in the user's folder.
if(TARGET orvane AND BUILD_TESTING)
    add_test(NAME install_layout
             COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/check-install.sh
                     ${PROJECT_BINARY_DIR} ${ORVANE_APP_ID})
    set_tests_properties(install_layout PROPERTIES TIMEOUT 300)
endif()
