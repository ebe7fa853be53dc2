# The project version as the code sees it (version.h) and as Windows shows
# it in a file's properties (a version resource in each program).
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${VORLIX_GENERATED_DIR}/version.h @ONLY)

# Gives the Windows program `target` a version resource with `description`
# as its file description; a native program has none.
function(vorlix_version_resource target description)
  if(NOT WIN32)
    return()
  endif()
  set(file_name ${target}.exe)
  set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
endfunction()
