# Fails when any header or source under FOLDER includes a Qt header.
file(GLOB_RECURSE sources "${FOLDER}/*.h" "${FOLDER}/*.cpp")
foreach(source IN LISTS sources)
  file(STRINGS "${source}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt[0-9]*/|Qt)")
  if(hits)
    message(FATAL_ERROR "${source} includes Qt (${hits}); the engine must not depend on Qt")
  endif()
endforeach()
file(TOUCH "${STAMP}")
