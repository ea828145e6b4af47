# Release builds of the Windows programs carry only what they use. Included
# by the root CMakeLists.txt before the subsystems, so it reaches every target
# of the Windows builds; what each step saves is measured in
# docs/wine-notes.md ("Release binary sizes") and printed by tools/binary-sizes.
#
# - Small code, one section per function and datum, and the linker dropping
#   every section nothing refers to; no symbols in the files (-s).
# - No exceptions and no run-time type information: the product catches no
#   exception and asks no type at run time. What the C++ library would throw
#   ends the process in lean_runtime.cpp instead, as an uncaught exception
#   does, without the unwinder, the exception classes and their strings.
# - Function-local statics without guards: each one in the product is first
#   used on the thread that owns it (the hook engine and the eject worker
#   object on the monitor's main thread, the screen's DPI on the
#   configuration program's window thread). The guards would bring
#   in the POSIX thread library and the exception machinery.
if(NOT WIN32)
  return()
endif()

set(_tavel_lean_compile
  -Os -ffunction-sections -fdata-sections
  -fno-exceptions -fno-asynchronous-unwind-tables -fno-rtti -fno-threadsafe-statics)
add_compile_options("$<$<AND:$<CONFIG:Release>,$<COMPILE_LANGUAGE:CXX>>:${_tavel_lean_compile}>")
add_link_options("$<$<CONFIG:Release>:LINKER:--gc-sections;-s>")
unset(_tavel_lean_compile)

# The three shipped binaries get the run-time pieces that replace the
# library's throwing ones.
function(tavel_lean_runtime)
  foreach(target IN LISTS ARGN)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform/win32/lean_runtime.cpp)
  endforeach()
endfunction()
