# Lays out the data files delivered with the program in a program folder:
#   cmake -DFROM=<delivered files> -DTO=<program folder> -P LayOutDataFiles.cmake
# A file is laid out only where the program folder has none. One that is there stays as it is,
# however the delivered one changed: it holds what the teacher set (the settings the tool
# wrote, the texts edited, a recording or a picture of their own), which a rebuild must never
# take back.
cmake_minimum_required(VERSION 3.25)
foreach(var FROM TO)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "LayOutDataFiles.cmake: ${var} is not given")
  endif()
endforeach()

# The names one a line, walked as text: a CMake list would split a name at its ";" (a glob's
# result is not escaped) or keep two names together across an unmatched "[".
execute_process(COMMAND find . -mindepth 1 -not -type d -printf "%P\n"
  WORKING_DIRECTORY "${FROM}" OUTPUT_VARIABLE names RESULT_VARIABLE found)
if(NOT found STREQUAL "0")
  message(FATAL_ERROR "cannot list the delivered files in ${FROM}: ${found}")
endif()
while(NOT names STREQUAL "")
  string(FIND "${names}" "\n" end)
  if(end LESS 0)
    set(file "${names}")
    set(names "")
  else()
    string(SUBSTRING "${names}" 0 ${end} file)
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${names}" ${end} -1 names)
  endif()

  set(target "${TO}/${file}")
  # A dangling link is there too: whatever the teacher put in its place is theirs.
  if(EXISTS "${target}" OR IS_SYMLINK "${target}")
    continue()
  endif()
  get_filename_component(folder "${target}" DIRECTORY)
  get_filename_component(name "${target}" NAME)
  file(MAKE_DIRECTORY "${folder}")
  # Copied beside its place, then renamed into it: there whole or not at all, and never over a
  # file that came meanwhile. The copy's hidden name is the layout's own, never a teacher's.
  set(part "${folder}/.${name}.tempel-layout")
  file(COPY_FILE "${FROM}/${file}" "${part}")
  file(RENAME "${part}" "${target}" NO_REPLACE RESULT renamed)
  file(REMOVE "${part}")
  if(NOT renamed STREQUAL "0" AND NOT renamed STREQUAL "NO_REPLACE")
    message(FATAL_ERROR "cannot lay out ${target}: ${renamed}")
  endif()
endwhile()
