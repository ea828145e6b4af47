# The Windows programs are built to make a memory fault hard to exploit:
# - the stack protector (-fstack-protector-strong): functions with arrays or
#   addresses of locals check a random guard word before they return; the
#   guard is seeded with RtlGenRandom at start, and a mismatch ends the
#   process (platform/win32/stack_guard.cpp, linked into every program and
#   library; a kernel-mode target sets TAVEL_KERNEL_MODE and goes without);
# - _FORTIFY_SOURCE: the C library's copying functions check the size of a
#   destination the compiler knows;
# - ASLR and DEP: a relocatable image (DYNAMIC_BASE, with its relocations)
#   that runs with non-executable data (NX_COMPAT), and on 64-bit Windows
#   anywhere in the 64-bit address space (HIGH_ENTROPY_VA).
# tests/release/hardening_test.py checks the shipped binaries for them; what
# they cost in size is in docs/wine-notes.md ("Release engineering").
if(NOT WIN32)
  return()
endif()

add_compile_options(-fstack-protector-strong)
add_compile_definitions(_FORTIFY_SOURCE=2)
add_link_options(-fstack-protector-strong LINKER:--dynamicbase LINKER:--nxcompat)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(LINKER:--high-entropy-va)
endif()

add_library(tavel_stack_guard OBJECT ${PROJECT_SOURCE_DIR}/platform/win32/stack_guard.cpp)
set_source_files_properties(${PROJECT_SOURCE_DIR}/platform/win32/stack_guard.cpp
                            PROPERTIES COMPILE_OPTIONS -fno-stack-protector)

# Called once every target exists: links the guard into each program and
# library below `dir`.
function(tavel_link_stack_guard dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(kernel_mode ${target} TAVEL_KERNEL_MODE)
    if(type MATCHES "^(EXECUTABLE|SHARED_LIBRARY|MODULE_LIBRARY)$" AND NOT kernel_mode)
      target_link_libraries(${target} PRIVATE tavel_stack_guard)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    tavel_link_stack_guard(${subdir})
  endforeach()
endfunction()
