# The engine must stay free of Qt: a file under html/ that includes a Qt header fails the build.
# The check runs at configure time and again whenever an engine source changes.

function(tamblin_forbid_qt target folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${folder}/*.h" "${folder}/*.cpp")
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}-no-qt.stamp")
  add_custom_command(
    OUTPUT "${stamp}"
    COMMAND "${CMAKE_COMMAND}" -DFOLDER=${folder} -DSTAMP=${stamp}
            -P "${PROJECT_SOURCE_DIR}/cmake/CheckNoQt.cmake"
    DEPENDS ${sources} "${PROJECT_SOURCE_DIR}/cmake/CheckNoQt.cmake"
    COMMENT "Checking that ${target} includes no Qt header")
  add_custom_target(${target}-no-qt DEPENDS "${stamp}")
  add_dependencies(${target} ${target}-no-qt)
endfunction()
