# How the libraries are built. Every layer is an internal static library that
# in-tree programs, tests and benchmarks link (so they may use any class, and a
# layer that reached outward would fail to link its own tests). The installed
# libraries are made of the same objects, so nothing is compiled twice; with
# hidden visibility they export only the classes marked in their public
# headers.

include(GenerateExportHeader)

# Generated headers (export macros, version) and forwarding headers for the
# public ones, all under NorvoUITOKA/, as consumers of the install see them.
set(NORVO_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)

# Before 1.0 every minor release may break the binary interface.
if(PROJECT_VERSION_MAJOR EQUAL 0)
    set(NORVO_SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
else()
    set(NORVO_SOVERSION ${PROJECT_VERSION_MAJOR})
endif()

# norvo_internal_library(TARGET): settings shared by every internal library.
function(norvo_internal_library target)
    set_target_properties(${target} PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        AUTOMOC OFF)
    # Position-independent code for the installed shared libraries, without
    # letting another library replace our exported functions: calls inside a
    # library stay direct and can be inlined, as they are in a program.
    target_compile_options(${target} PRIVATE -fno-semantic-interposition)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src ${NORVO_GENERATED_INCLUDE_DIR})
    target_compile_features(${target} PUBLIC cxx_std_20)
endfunction()

# norvo_public_library(TARGET COMPONENT NAME
#                      OBJECTS_OF internal... [LINK public...] HEADERS folder/File.h...)
# The installed library of one package component (NorvoUITOKA::<COMPONENT>,
# file lib<NAME>), made of the objects of the given internal libraries, with
# its export header <NorvoUITOKA/<name>_export.h> (macro <NAME>_EXPORT) and
# its public headers, given relative to src/.
function(norvo_public_library target)
    cmake_parse_arguments(arg "" "COMPONENT;NAME" "OBJECTS_OF;LINK;HEADERS" ${ARGN})
    add_library(${target})
    add_library(NorvoUITOKA::${arg_COMPONENT} ALIAS ${target})
    foreach(internal ${arg_OBJECTS_OF})
        target_sources(${target} PRIVATE $<TARGET_OBJECTS:${internal}>)
    endforeach()
    set_target_properties(${target} PROPERTIES
        AUTOMOC OFF
        OUTPUT_NAME ${arg_NAME}
        EXPORT_NAME ${arg_COMPONENT}
        VERSION ${PROJECT_VERSION}
        SOVERSION ${NORVO_SOVERSION}
        # The installed libraries find each other where they lie.
        INSTALL_RPATH "$ORIGIN")
    target_include_directories(${target} INTERFACE
        $<BUILD_INTERFACE:${NORVO_GENERATED_INCLUDE_DIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
    target_compile_features(${target} INTERFACE cxx_std_20)
    target_link_libraries(${target} PUBLIC ${arg_LINK})

    string(REPLACE "-" "_" base ${arg_NAME})
    string(TOUPPER ${base} macro_base)
    set(export_header ${NORVO_GENERATED_INCLUDE_DIR}/NorvoUITOKA/${base}_export.h)
    generate_export_header(${target} BASE_NAME ${macro_base} EXPORT_FILE_NAME ${export_header})
    if(NOT BUILD_SHARED_LIBS)
        target_compile_definitions(${target} PUBLIC ${macro_base}_STATIC_DEFINE)
    endif()
    install(FILES ${export_header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/NorvoUITOKA)

    foreach(header ${arg_HEADERS})
        set(forward ${NORVO_GENERATED_INCLUDE_DIR}/NorvoUITOKA/${header})
        file(CONFIGURE OUTPUT ${forward} CONTENT "#include \"${PROJECT_SOURCE_DIR}/src/${header}\"\n")
        get_filename_component(folder ${header} DIRECTORY)
        install(FILES ${PROJECT_SOURCE_DIR}/src/${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/NorvoUITOKA/${folder})
    endforeach()

    install(TARGETS ${target} EXPORT NorvoUITOKA_${arg_COMPONENT}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(EXPORT NorvoUITOKA_${arg_COMPONENT}
        FILE NorvoUITOKA_${arg_COMPONENT}Targets.cmake
        NAMESPACE NorvoUITOKA::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/NorvoUITOKA)
    set_property(GLOBAL APPEND PROPERTY NORVO_COMPONENTS ${arg_COMPONENT})
endfunction()
