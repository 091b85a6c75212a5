# The Debian package python3-spanwright: the Python package as the
# distribution's Python imports it, from /usr/lib/python3/dist-packages.
# Included by cmake/Packaging.cmake after include(CPack), whose settings its
# own CPack configuration starts from.
#
# The package's files are the install component "python", which neither a
# plain `cmake --install` nor the spanwright package takes. They are
# packaged by a second CPack configuration file, run by hand:
#     cpack --config build/CPackPythonConfig.cmake
# No build target runs cpack: cpack builds the project before it installs,
# and a target that called it back would never end.

set(SPANWRIGHT_PYTHON_INSTALL_DIR lib/python3/dist-packages/spanwright)
set(SPANWRIGHT_PYTHON_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/python3-spanwright)

install(DIRECTORY python/spanwright/ DESTINATION ${SPANWRIGHT_PYTHON_INSTALL_DIR}
        COMPONENT python EXCLUDE_FROM_ALL
        FILES_MATCHING PATTERN "*.py" PATTERN "__pycache__" EXCLUDE)
# The compiled modules: the extension, and the SQLite extension under its
# own name beside sqlite.py, which loads it from there.
set(compiledModules _spanwright)
if(TARGET spanwright_sqlite)
    list(APPEND compiledModules spanwright_sqlite)
else()
    message(WARNING "python3-spanwright without the SQLite extension: "
        "spanwright.sqlite.load() will not find it (-DSPANWRIGHT_SQLITE=ON)")
endif()
foreach(module IN LISTS compiledModules)
    install(TARGETS ${module} LIBRARY DESTINATION ${SPANWRIGHT_PYTHON_INSTALL_DIR}
            COMPONENT python EXCLUDE_FROM_ALL)
    get_target_property(prefix ${module} PREFIX)
    get_target_property(suffix ${module} SUFFIX)
    if(NOT suffix)
        set(suffix ${CMAKE_SHARED_MODULE_SUFFIX})
    endif()
    if(NOT prefix)
        set(prefix "")
    endif()
    spanwright_strip_notes(${SPANWRIGHT_PYTHON_INSTALL_DIR}/${prefix}${module}${suffix} python)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/doc/compressed/changelog.gz packaging/copyright
        DESTINATION ${SPANWRIGHT_PYTHON_DOC_DIR} COMPONENT python EXCLUDE_FROM_ALL)
# The distribution's metadata of the Python package, as pip and
# importlib.metadata look for it beside the package: its name, version and
# requirements, those of pyproject.toml.
set(SPANWRIGHT_PYTHON_DIST_INFO spanwright-${PROJECT_VERSION}.dist-info)
configure_file(packaging/python3-spanwright/METADATA.in
               ${CMAKE_BINARY_DIR}/${SPANWRIGHT_PYTHON_DIST_INFO}/METADATA @ONLY)
install(DIRECTORY ${CMAKE_BINARY_DIR}/${SPANWRIGHT_PYTHON_DIST_INFO}
        DESTINATION lib/python3/dist-packages COMPONENT python EXCLUDE_FROM_ALL)
# What lintian reports and is so by design, each with its reason.
install(FILES packaging/python3-spanwright/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME python3-spanwright
        COMPONENT python EXCLUDE_FROM_ALL)

# Debian's Python policy: a compiled extension is built for one Python
# version, so the package depends on the interpreter's version and the next
# one excluded, as dh_python3 writes it.
find_package(Python COMPONENTS Interpreter REQUIRED)
math(EXPR nextMinor "${Python_VERSION_MINOR} + 1")
set(pythonVersion ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR})
set(pythonNext ${Python_VERSION_MAJOR}.${nextMinor})

# The settings of the spanwright package (version, maintainer, homepage,
# stripping, dpkg-shlibdeps) stay; these replace the package's own.
set(SPANWRIGHT_PYTHON_CPACK_CONFIG ${CMAKE_BINARY_DIR}/CPackPythonConfig.cmake)
file(WRITE ${SPANWRIGHT_PYTHON_CPACK_CONFIG} "\
# python3-spanwright: cpack --config ${SPANWRIGHT_PYTHON_CPACK_CONFIG}
include(\"${CMAKE_BINARY_DIR}/CPackConfig.cmake\")
set(CPACK_PACKAGE_NAME python3-spanwright)
set(CPACK_PACKAGE_FILE_NAME python3-spanwright-${PROJECT_VERSION}-Linux)
set(CPACK_INSTALL_CMAKE_PROJECTS \"${CMAKE_BINARY_DIR};${PROJECT_NAME};python;/\")
set(CPACK_DEBIAN_PACKAGE_SOURCE spanwright)
set(CPACK_DEBIAN_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    \"python3 (>= ${pythonVersion}~), python3 (<< ${pythonNext}), python3-numpy, python3-pandas\")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS python3-dask)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS python3-distributed)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    \"spans between dates as ages, for Python, pandas and Dask\")
set(CPACK_PACKAGE_DESCRIPTION
    \"Spanwright tells how much time lies between two dates, counted in whole
years, months and days, the way an age is stated in genealogy.
.
This package gives its answers to Python 3, byte for byte those of
spanwright-cli: single spans, day counts and calendar conversions, whole
pandas columns of spans and of the birth or death dates a stated age
allows, the birth dates that fit a person's records, and reports of GEDCOM
trees. It works on Dask DataFrames partition by partition, and brings the
SQLite extension with the same functions in SQL.\")
# Byte-compiling on installation and cleaning up on removal, as dh_python3
# does for the distribution's own Python packages.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    \"${PROJECT_SOURCE_DIR}/packaging/python3-spanwright/postinst;${PROJECT_SOURCE_DIR}/packaging/python3-spanwright/prerm\")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
")
