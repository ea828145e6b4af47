# The version resource of each shipped program (cmake/version.rc.in): the
# project's version, maker and product, and the file's own name and
# description, which Explorer's Properties show and Windows Installer
# compares when it replaces a file.
#   tavel_version_resource(Tavelmon "Tavelkit keyboard monitor")
set(TAVEL_COMPANY Norvik)
set(TAVEL_PRODUCT Tavelkit)
# The year of the commit built (SOURCE_DATE_EPOCH, cmake/reproducible.cmake).
string(TIMESTAMP _tavel_year "%Y" UTC)
set(TAVEL_COPYRIGHT "Copyright (C) ${_tavel_year} ${TAVEL_COMPANY}")
unset(_tavel_year)

function(tavel_version_resource target description)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(TAVEL_FILE_TYPE VFT_DLL)
    set(suffix ${CMAKE_SHARED_LIBRARY_SUFFIX})
  else()
    set(TAVEL_FILE_TYPE VFT_APP)
    set(suffix ${CMAKE_EXECUTABLE_SUFFIX})
  endif()
  set(TAVEL_INTERNAL_NAME ${target})
  set(TAVEL_FILE_NAME ${target}${suffix})
  set(TAVEL_FILE_DESCRIPTION ${description})
  set(script ${CMAKE_BINARY_DIR}/version/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${script} @ONLY)
  target_sources(${target} PRIVATE ${script})
endfunction()
