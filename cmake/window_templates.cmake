# Window template segments are written at build time by host programs (the
# generators of tools/template_generator). A native build builds them as
# part of itself; a cross build builds them with the host compiler in a
# nested build under build/<preset>/host-tools.
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(VORLIX_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
  ExternalProject_Add(vorlix_host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/template_generator
    BINARY_DIR ${VORLIX_HOST_TOOLS_DIR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DVORLIX_GENERATED_DIR=${VORLIX_GENERATED_DIR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${VORLIX_HOST_TOOLS_DIR}/vorlix_test_window_template
                     ${VORLIX_HOST_TOOLS_DIR}/vorlix_main_window_template
                     ${VORLIX_HOST_TOOLS_DIR}/vorlix_lifecycle_window_template
    DEPENDS generated_texts)
else()
  set(VORLIX_SOURCE_DIR ${CMAKE_SOURCE_DIR})
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/template_generator ${CMAKE_BINARY_DIR}/template_generator)
endif()

# Runs the generator `tool` and writes the C++ source `output`, whose function
# `symbol` (namespace::Name) returns the segment's bytes; the raw bytes go
# beside it with the extension .bin.
function(vorlix_window_template tool symbol output)
  if(CMAKE_CROSSCOMPILING)
    set(command ${VORLIX_HOST_TOOLS_DIR}/${tool})
    set(depends vorlix_host_tools ${command})
  else()
    set(command $<TARGET_FILE:${tool}>)
    set(depends ${tool})
  endif()
  get_filename_component(directory ${output} DIRECTORY)
  get_filename_component(stem ${output} NAME_WE)
  add_custom_command(
    OUTPUT ${output} ${directory}/${stem}.bin
    COMMAND ${command} --entry-size ${CMAKE_SIZEOF_VOID_P} --symbol ${symbol}
            --cpp ${output} --bin ${directory}/${stem}.bin
    DEPENDS ${depends}
    COMMENT "Generating window template segment ${stem}")
endfunction()
