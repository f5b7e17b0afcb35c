# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package is built from debian/ with dpkg-buildpackage (./package.sh). This
# test builds it once more, without its tests (the suite runs here already), and checks
# it as a school's technician would meet it. A sanitized build would package
# instrumented binaries, so there the test reports itself skipped.
if(TARGET orvane)
    add_test(NAME debian_package
             COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/check-package.sh
                     ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR} ${ORVANE_APP_ID}
                     $<IF:$<BOOL:${ORVANE_SANITIZE}>,sanitized,plain>)
    set_tests_properties(debian_package PROPERTIES TIMEOUT 1500 SKIP_RETURN_CODE 77)
endif()
