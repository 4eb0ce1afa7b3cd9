# Lays out in a program folder what the build delivers:
#   cmake -DFROM=<delivered files> -DTO=<program folder> [-DPRODUCTS=ON] -P LayOutDataFiles.cmake
# A data file is laid out only where the program folder has none. One that is there stays as it
# is, however the delivered one changed: it holds what the teacher set (the settings the tool
# wrote, the texts edited, a recording or a picture of their own), which a rebuild must never
# take back.
# With PRODUCTS, FROM holds the build's products (programs, modules, question programs, packs):
# each is refreshed as soon as the program folder's copy differs, so that the folder always runs
# what was built last. The copy has the product's time: the same size and time mean the same
# file, and only a rebuilt product of the same size is read to compare it.
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

  set(source "${FROM}/${file}")
  set(target "${TO}/${file}")
  if(NOT PRODUCTS)
    # A dangling link is there too: whatever the teacher put in its place is theirs.
    if(EXISTS "${target}" OR IS_SYMLINK "${target}")
      continue()
    endif()
  # A link or a folder in a product's place is replaced (a folder fails clearly); a named pipe
  # has no size, so it is never read.
  elseif(EXISTS "${target}" AND NOT IS_SYMLINK "${target}" AND NOT IS_DIRECTORY "${target}")
    file(SIZE "${source}" size)
    file(SIZE "${target}" present)
    if(size EQUAL present)
      # Equal times: each is newer than the other.
      if("${source}" IS_NEWER_THAN "${target}" AND "${target}" IS_NEWER_THAN "${source}")
        continue()
      endif()
      file(SHA256 "${source}" built)
      file(SHA256 "${target}" there)
      # Rebuilt the same: the copy stays, and takes the product's time so as not to be read
      # again at every build.
      if(built STREQUAL there)
        execute_process(COMMAND touch -r "${source}" "${target}" COMMAND_ERROR_IS_FATAL ANY)
        continue()
      endif()
    endif()
  endif()
  get_filename_component(folder "${target}" DIRECTORY)
  get_filename_component(name "${target}" NAME)
  file(MAKE_DIRECTORY "${folder}")
  # Copied beside its place, then renamed into it: there whole or not at all, and never over a
  # data file that came meanwhile. A product is renamed over the old one, never written in
  # place: a running program's file cannot be ("Text file busy"), and keeps running from the
  # old one. The copy's hidden name is the layout's own, never a teacher's.
  set(part "${folder}/.${name}.tempel-layout")
  file(COPY_FILE "${source}" "${part}")
  if(PRODUCTS)
    execute_process(COMMAND touch -r "${source}" "${part}" COMMAND_ERROR_IS_FATAL ANY)
    file(RENAME "${part}" "${target}" RESULT renamed)
  else()
    file(RENAME "${part}" "${target}" NO_REPLACE RESULT renamed)
  endif()
  file(REMOVE "${part}")
  if(NOT renamed STREQUAL "0" AND NOT renamed STREQUAL "NO_REPLACE")
    message(FATAL_ERROR "cannot lay out ${target}: ${renamed}")
  endif()
endwhile()
