# find_package(NorvoUITOKA) gives NorvoUITOKA::core and, when built, NorvoUITOKA::qt.
include(CMakePackageConfigHelpers)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/NorvoUITOKA
    FILES_MATCHING PATTERN "*.h"
    PATTERN "testing" EXCLUDE)
install(EXPORT NorvoUITOKATargets
    NAMESPACE NorvoUITOKA::
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/NorvoUITOKA)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/NorvoUITOKAConfig.cmake.in
    ${PROJECT_BINARY_DIR}/NorvoUITOKAConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/NorvoUITOKA)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/NorvoUITOKAConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/NorvoUITOKAConfig.cmake ${PROJECT_BINARY_DIR}/NorvoUITOKAConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/NorvoUITOKA)
