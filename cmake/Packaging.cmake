# Installation and the Debian package. Included at the end of the top
# CMakeLists.txt, once every program is defined.
#
# The program and its help texts share one directory of their own, since the
# program reads the texts from its own directory; bin/ holds a link to it.
# The command-line program, where it is built, goes straight into bin/.

include(GNUInstallDirs)

# A program's private files live in lib/<package>, on Debian too.
set(SPANWRIGHT_PROGRAM_DIR lib/spanwright)
set(SPANWRIGHT_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/spanwright)

# spanwright_strip_notes(INSTALLED_PATH [COMPONENT]): a stripped install
# (cpack, or cmake --install --strip) also drops the .comment and .note
# sections, which plain strip keeps, as a distribution's strip does. With a
# COMPONENT, the step belongs to that component only, and is left out of an
# install of all of them like its files.
function(spanwright_strip_notes installedPath)
    set(component)
    if(ARGC GREATER 1)
        set(component COMPONENT ${ARGV1} EXCLUDE_FROM_ALL)
    endif()
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${installedPath}\"
                RESULT_VARIABLE status)
            if(NOT status EQUAL 0)
                message(FATAL_ERROR \"strip failed on ${installedPath}\")
            endif()
        endif()
    " ${component})
endfunction()

install(TARGETS spanwright RUNTIME DESTINATION ${SPANWRIGHT_PROGRAM_DIR})
spanwright_strip_notes(${SPANWRIGHT_PROGRAM_DIR}/spanwright)
if(EXISTS ${PROJECT_SOURCE_DIR}/cli/CMakeLists.txt AND NOT TARGET spanwright-cli)
    message(WARNING "No spanwright-cli target yet: add_subdirectory(cli) must come "
        "before include(cmake/Packaging.cmake) for it to be installed and packaged")
endif()
if(TARGET spanwright-cli)
    install(TARGETS spanwright-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    spanwright_strip_notes(${CMAKE_INSTALL_BINDIR}/spanwright-cli)
endif()
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

# The manual pages and the changelog, compressed as Debian wants them (-n: no
# name or time stamp, so that the package is reproducible). The changelog's
# newest entry takes its version from project(); older entries keep theirs.
# For a new version, write the old entry's version out in full and start a
# new entry above it with "spanwright (@PROJECT_VERSION@)".
set(SPANWRIGHT_MAN_PAGES spanwright.1)
if(TARGET spanwright-cli)
    list(APPEND SPANWRIGHT_MAN_PAGES spanwright-cli.1)
endif()
file(READ packaging/changelog newestEntry LIMIT 200)
if(NOT newestEntry MATCHES "^spanwright \\(@PROJECT_VERSION@\\) ")
    message(FATAL_ERROR "packaging/changelog: the newest entry must start with "
        "\"spanwright (@PROJECT_VERSION@)\"; the version is set in project() only")
endif()
configure_file(packaging/changelog ${CMAKE_BINARY_DIR}/doc/changelog @ONLY)

find_program(SPANWRIGHT_GZIP gzip REQUIRED)
set(compressedDocs)
foreach(document IN LISTS SPANWRIGHT_MAN_PAGES ITEMS changelog)
    if(document STREQUAL changelog)
        set(source ${CMAKE_BINARY_DIR}/doc/changelog)
    else()
        set(source ${PROJECT_SOURCE_DIR}/man/${document})
        if(NOT EXISTS ${source})
            message(FATAL_ERROR "man/${document} is missing")
        endif()
    endif()
    set(compressed ${CMAKE_BINARY_DIR}/doc/compressed/${document}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${CMAKE_BINARY_DIR}/doc/compressed/${document}
        COMMAND ${SPANWRIGHT_GZIP} -9 -n -f ${CMAKE_BINARY_DIR}/doc/compressed/${document}
        DEPENDS ${source}
        COMMENT "Compressing ${document}"
        VERBATIM)
    list(APPEND compressedDocs ${compressed})
endforeach()
add_custom_target(spanwright_docs ALL DEPENDS ${compressedDocs})
list(TRANSFORM SPANWRIGHT_MAN_PAGES PREPEND ${CMAKE_BINARY_DIR}/doc/compressed/)
list(TRANSFORM SPANWRIGHT_MAN_PAGES APPEND .gz)
install(FILES ${SPANWRIGHT_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/doc/compressed/changelog.gz DESTINATION ${SPANWRIGHT_DOC_DIR})
install(FILES packaging/copyright DESTINATION ${SPANWRIGHT_DOC_DIR})
# What lintian reports and is so by design, each with its reason.
install(FILES packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME spanwright)

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
# The package holds the programs: the C++ library (component "library")
# is for those who build against it, and stays out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://spanwright.org/)
# The window's face is Wine's MS Sans Serif (fonts-wine), a bitmap face
# made for 96 dpi; elsewhere, and without it, an outline face of Arial's
# metrics (Liberation Sans), narrowed in the result list as far as the
# longest result needs. dpkg-shlibdeps adds the libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-wine)
set(CPACK_STRIP_FILES ON)
include(CPack)

# python3-spanwright, where the build makes the Python extension.
if(TARGET _spanwright)
    include(cmake/PythonPackaging.cmake)
endif()
