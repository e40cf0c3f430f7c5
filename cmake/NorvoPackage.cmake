# find_package(NorvoUITOKA [COMPONENTS core sim qt]) and pkg-config for the
# core.
include(CMakePackageConfigHelpers)

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/NorvoUITOKA)
get_property(NORVO_COMPONENTS GLOBAL PROPERTY NORVO_COMPONENTS)
# The consumer's Qt must be at least the one the front end was built with.
set(NORVO_QT_VERSION "${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}")
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/NorvoUITOKAConfig.cmake.in
    ${PROJECT_BINARY_DIR}/NorvoUITOKAConfig.cmake
    INSTALL_DESTINATION ${package_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/NorvoUITOKAConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/NorvoUITOKAConfig.cmake ${PROJECT_BINARY_DIR}/NorvoUITOKAConfigVersion.cmake
    DESTINATION ${package_dir})

# The .pc file finds its prefix from where it lies, so that an install moved
# elsewhere (or made with --prefix) still works.
set(pkgconfig_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH NORVO_PC_PREFIX_FROM_PCFILEDIR /prefix/${pkgconfig_dir} /prefix)
string(REGEX REPLACE "/$" "" NORVO_PC_PREFIX_FROM_PCFILEDIR "${NORVO_PC_PREFIX_FROM_PCFILEDIR}")
if(NOT BUILD_SHARED_LIBS)
    set(NORVO_PC_STATIC_CFLAGS " -DNORVOUITOKA_STATIC_DEFINE")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/norvouitoka.pc.in ${PROJECT_BINARY_DIR}/norvouitoka.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/norvouitoka.pc DESTINATION ${pkgconfig_dir})
