# Installation and the Debian package.
#
# The program and its help texts share one directory of their own, since the
# program reads the texts from its own directory; bin/ holds a link to it.

include(GNUInstallDirs)

set(SPANWRIGHT_APP_ID org.spanwright.Spanwright)
# A program's private files live in lib/<package>, on Debian too.
set(SPANWRIGHT_PROGRAM_DIR lib/spanwright)

install(TARGETS spanwright RUNTIME DESTINATION ${SPANWRIGHT_PROGRAM_DIR})
install(FILES help/Formats.txt help/Tips.txt DESTINATION ${SPANWRIGHT_PROGRAM_DIR})

# bin/spanwright -> ../lib/spanwright/spanwright, made at install time so
# that DESTDIR (and so CPack) is honoured.
file(RELATIVE_PATH SPANWRIGHT_LINK_TARGET
     /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${SPANWRIGHT_PROGRAM_DIR}/spanwright)
install(CODE "
    set(linkDir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${linkDir}\")
    file(CREATE_LINK \"${SPANWRIGHT_LINK_TARGET}\" \"\${linkDir}/spanwright\" SYMBOLIC)
    message(STATUS \"Installing: \${linkDir}/spanwright -> ${SPANWRIGHT_LINK_TARGET}\")
")

install(FILES packaging/${SPANWRIGHT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${SPANWRIGHT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 128)
    install(FILES packaging/icons/spanwright-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${SPANWRIGHT_APP_ID}.png)
endforeach()
install(FILES packaging/icons/spanwright.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${SPANWRIGHT_APP_ID}.svg)

install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/spanwright)

# cpack -G DEB: the dependencies are worked out from the shared libraries.
set(CPACK_PACKAGE_NAME spanwright)
set(CPACK_PACKAGE_VENDOR "The Spanwright team")
set(CPACK_PACKAGE_CONTACT "The Spanwright team <team@spanwright.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "years, months and days between two dates, stated as an age")
set(CPACK_PACKAGE_DESCRIPTION
    "Spanwright tells how much time lies between two dates, counted in whole
years, months and days, the way an age is stated in genealogy. It reads
dates written month first in several notations and shows the span in four.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Arial's metrics keep the worded result within the result list.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
set(CPACK_STRIP_FILES ON)
include(CPack)
