# The engine and the platform interfaces must stay free of Qt: a file that includes a Qt
# header fails the build. The check runs whenever one of the checked sources changes.
#
#   tamblin_forbid_qt(target folder [TOP_ONLY])
# checks the headers and sources under folder, or only those directly in it with TOP_ONLY
# (for a folder whose subfolders hold the Qt implementation).

function(tamblin_forbid_qt target folder)
  set(top_only "${ARGV2}")
  if(top_only STREQUAL "TOP_ONLY")
    file(GLOB sources CONFIGURE_DEPENDS "${folder}/*.h" "${folder}/*.cpp")
  else()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${folder}/*.h" "${folder}/*.cpp")
  endif()
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}-no-qt.stamp")
  add_custom_command(
    OUTPUT "${stamp}"
    COMMAND "${CMAKE_COMMAND}" -DFOLDER=${folder} -DTOP_ONLY=$<BOOL:${top_only}> -DSTAMP=${stamp}
            -P "${PROJECT_SOURCE_DIR}/cmake/CheckNoQt.cmake"
    DEPENDS ${sources} "${PROJECT_SOURCE_DIR}/cmake/CheckNoQt.cmake"
    COMMENT "Checking that ${target} includes no Qt header")
  add_custom_target(${target}-no-qt DEPENDS "${stamp}")
  add_dependencies(${target} ${target}-no-qt)
endfunction()
