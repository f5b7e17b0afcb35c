# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built from the installed tree with CPack:
#   cmake --build build && (cd build && cpack -G DEB)     or     ./package.sh
# gives build/orvane_<version>_<arch>.deb. dpkg-shlibdeps works out the Qt and system
# libraries it needs; the rest is named here.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvane developers")
set(CPACK_PACKAGE_CONTACT "Orvane developers <orvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mathematics toolbox for secondary school")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/debian/description)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, but needed: the window-system plugins of Qt, Qt's own Chinese texts for the
# standard dialogs, and a font with Chinese characters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# Directories as Debian wants them, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

# Builds the package and checks it as a technician would install it. A sanitized build
# would package instrumented binaries, so there the test reports itself skipped.
if(TARGET orvane)
    add_test(NAME debian_package
             COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/check-package.sh
                     ${PROJECT_BINARY_DIR} ${PROJECT_VERSION} ${ORVANE_APP_ID}
                     $<IF:$<BOOL:${ORVANE_SANITIZE}>,sanitized,plain>)
    set_tests_properties(debian_package PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
endif()
