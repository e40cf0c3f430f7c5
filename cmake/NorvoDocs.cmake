# The API reference of the installed headers, and of those only: the docs
# target writes HTML to <build>/docs/html (and, where Qt's help generator is
# there, norvouitoka.qch beside it); an install made after it puts both under
# share/doc/norvouitoka. Doxygen's warnings are errors, so a public class,
# function, signal or enum left undocumented fails the target.
find_package(Doxygen QUIET OPTIONAL_COMPONENTS dot)
if(NOT DOXYGEN_FOUND)
    message(STATUS "Doxygen not found: no docs target")
    return()
endif()

set(docs_dir ${PROJECT_BINARY_DIR}/docs)
# The headers as their users include them (<NorvoUITOKA/panel/TOKA.h>): a
# link to the sources, so that a warning's path opens the file to fix.
file(MAKE_DIRECTORY ${docs_dir}/include)
file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src ${docs_dir}/include/NorvoUITOKA SYMBOLIC)
get_property(public_headers GLOBAL PROPERTY NORVO_PUBLIC_HEADERS)
list(TRANSFORM public_headers REPLACE "^${PROJECT_SOURCE_DIR}/src/" "${docs_dir}/include/NorvoUITOKA/")
list(JOIN public_headers " \\\n    " NORVO_DOCS_INPUT)
get_property(export_macros GLOBAL PROPERTY NORVO_EXPORT_MACROS)
list(TRANSFORM export_macros APPEND "=")
list(JOIN export_macros " " NORVO_DOCS_PREDEFINED)
set(NORVO_DOCS_OUTPUT ${docs_dir})
set(NORVO_DOCS_HAVE_DOT NO)
if(TARGET Doxygen::dot)
    set(NORVO_DOCS_HAVE_DOT YES)
endif()
set(NORVO_DOCS_QCH NO)
set(NORVO_DOCS_QHELPGENERATOR "")
if(QT6_INSTALL_PREFIX)
    find_program(NORVO_QHELPGENERATOR qhelpgenerator HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} NO_DEFAULT_PATH)
    if(NORVO_QHELPGENERATOR)
        set(NORVO_DOCS_QCH YES)
        set(NORVO_DOCS_QHELPGENERATOR ${NORVO_QHELPGENERATOR})
    endif()
endif()
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${docs_dir}/Doxyfile @ONLY)

add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${docs_dir}/html
    COMMAND Doxygen::doxygen ${docs_dir}/Doxyfile
    WORKING_DIRECTORY ${docs_dir}
    COMMENT "API reference of the installed headers (docs/html)"
    VERBATIM)

set(docs_destination ${CMAKE_INSTALL_DATAROOTDIR}/doc/norvouitoka)
install(DIRECTORY ${docs_dir}/html DESTINATION ${docs_destination} OPTIONAL)
install(FILES ${docs_dir}/norvouitoka.qch DESTINATION ${docs_destination} OPTIONAL)
