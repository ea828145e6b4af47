# Two builds of one commit give the same files, whenever and in whichever
# folder they run: the linker writes no time into the programs, and every
# tool that would write the time of the build writes the time of the commit
# instead (SOURCE_DATE_EPOCH, as the caller gives it or taken from git).
# tools/reproducible-build proves it. Where a tool cannot be told the time,
# its output is normalised after the fact: the help file
# (panel/help/chm_timestamps.py) and the installer package
# (installer/pack-msi).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(TAVEL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct
                  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                  OUTPUT_VARIABLE TAVEL_SOURCE_DATE_EPOCH
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT TAVEL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    # Not a git checkout: 1980-01-01, the earliest time a cabinet can hold.
    set(TAVEL_SOURCE_DATE_EPOCH 315532800)
  endif()
endif()
# string(TIMESTAMP) reads it from the environment; tools/sign from the cache.
set(ENV{SOURCE_DATE_EPOCH} ${TAVEL_SOURCE_DATE_EPOCH})
set(TAVEL_SOURCE_DATE_EPOCH ${TAVEL_SOURCE_DATE_EPOCH} CACHE INTERNAL "")

if(WIN32)
  # No time stamp in the file header, the export and the resource directory.
  add_link_options(LINKER:--no-insert-timestamp)
endif()
