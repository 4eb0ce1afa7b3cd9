# Lays out the data files delivered with the program in a program folder:
#   cmake -DFROM=<delivered files> -DTO=<program folder> -P LayOutDataFiles.cmake
# A file is laid out only where the program folder has none. One that is there stays as it is,
# however the delivered one changed: it holds what the teacher set (the settings the tool
# wrote, the texts edited), which a rebuild must never take back.
cmake_minimum_required(VERSION 3.25)
foreach(var FROM TO)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "LayOutDataFiles.cmake: ${var} is not given")
  endif()
endforeach()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${FROM} ${FROM}/*)
foreach(file IN LISTS files)
  set(target ${TO}/${file})
  # A dangling link is there too: whatever the teacher put in its place is theirs.
  if(EXISTS ${target} OR IS_SYMLINK ${target})
    continue()
  endif()
  get_filename_component(folder ${target} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  # Copied beside its place, then renamed into it: there whole or not at all, and never over a
  # file that came meanwhile.
  set(part ${target}.part)
  file(COPY_FILE ${FROM}/${file} ${part})
  file(RENAME ${part} ${target} NO_REPLACE RESULT renamed)
  file(REMOVE ${part})
  if(NOT renamed STREQUAL "0" AND NOT renamed STREQUAL "NO_REPLACE")
    message(FATAL_ERROR "cannot lay out ${target}: ${renamed}")
  endif()
endforeach()
