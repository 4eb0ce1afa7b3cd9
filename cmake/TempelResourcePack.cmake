# tempel_add_resource_pack(<target> OUTPUT <file.rcc> PICTURES <NAME> <path> [<NAME> <path>...])
#
# Builds a question pack's resource file: a Qt binary resource file holding each picture at
# /IMAGES/<NAME> (name in upper case, no extension). A loader opens it with
# QResource::registerResource(file, root) and finds the picture at <root>/IMAGES/<NAME>.
# Relative picture paths are taken from the calling folder, a relative OUTPUT from its build
# folder. The target is part of the default build.
function(tempel_add_resource_pack target)
  cmake_parse_arguments(ARG "" "OUTPUT" "PICTURES" ${ARGN})
  if(NOT ARG_OUTPUT)
    message(FATAL_ERROR "tempel_add_resource_pack(${target}): OUTPUT is missing")
  endif()
  list(LENGTH ARG_PICTURES count)
  math(EXPR odd "${count} % 2")
  if(count EQUAL 0 OR odd)
    message(FATAL_ERROR "tempel_add_resource_pack(${target}): PICTURES takes pairs of <NAME> <path>")
  endif()

  set(entries "")
  set(pictures "")
  set(names "")
  while(ARG_PICTURES)
    list(POP_FRONT ARG_PICTURES name path)
    string(TOUPPER "${name}" name)
    if(name IN_LIST names)
      message(FATAL_ERROR "tempel_add_resource_pack(${target}): picture ${name} given twice")
    endif()
    list(APPEND names "${name}")
    get_filename_component(path "${path}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    string(APPEND entries "    <file alias=\"IMAGES/${name}\">${path}</file>\n")
    list(APPEND pictures "${path}")
  endwhile()

  get_filename_component(output "${ARG_OUTPUT}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  set(qrc "${CMAKE_CURRENT_BINARY_DIR}/${target}_pack.qrc")
  file(GENERATE OUTPUT "${qrc}"
       CONTENT "<RCC>\n  <qresource prefix=\"/\">\n${entries}  </qresource>\n</RCC>\n")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND Qt6::rcc --binary --output "${output}" "${qrc}"
    DEPENDS "${qrc}" ${pictures} Qt6::rcc
    COMMENT "Building the resource pack ${target}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS "${output}")
endfunction()
