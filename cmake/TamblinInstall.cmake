# What `cmake --install` puts where:
#   bin/tamblin                                  the browser
#   share/tamblin/                               its start page, help page and samples
#   share/applications/tamblin.desktop           the desktop entry
#   share/icons/hicolor/scalable/apps/tamblin.svg
#   lib/, include/tamblin/, lib/cmake/Tamblin/   the viewer control for other programs:
#       find_package(Tamblin) gives Tamblin::Tamblin, the engine with its Qt platform.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(TAMBLIN_PACKAGE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/Tamblin")

# The one target a host links.
add_library(tamblin_control INTERFACE)
set_target_properties(tamblin_control PROPERTIES EXPORT_NAME Tamblin)
target_link_libraries(tamblin_control INTERFACE tamblin_html tamblin_qt)
add_library(Tamblin::Tamblin ALIAS tamblin_control)

install(TARGETS tamblin_control tamblin_html tamblin_platform tamblin_qt
        EXPORT TamblinTargets
        ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}"
        INCLUDES DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/tamblin")
install(DIRECTORY html DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/tamblin"
        FILES_MATCHING PATTERN "*.h")
install(DIRECTORY platform DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/tamblin"
        FILES_MATCHING PATTERN "*.h" PATTERN "headless" EXCLUDE)
install(EXPORT TamblinTargets NAMESPACE Tamblin:: DESTINATION "${TAMBLIN_PACKAGE_DIR}")

configure_package_config_file(cmake/TamblinConfig.cmake.in
  "${PROJECT_BINARY_DIR}/TamblinConfig.cmake" INSTALL_DESTINATION "${TAMBLIN_PACKAGE_DIR}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/TamblinConfigVersion.cmake"
  COMPATIBILITY SameMinorVersion)
install(FILES "${PROJECT_BINARY_DIR}/TamblinConfig.cmake"
              "${PROJECT_BINARY_DIR}/TamblinConfigVersion.cmake"
        DESTINATION "${TAMBLIN_PACKAGE_DIR}")

install(TARGETS tamblin RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(DIRECTORY app/pages/ DESTINATION "${CMAKE_INSTALL_DATADIR}/tamblin")
install(FILES app/desktop/tamblin.desktop DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES app/desktop/tamblin.svg
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
