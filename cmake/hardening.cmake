# The Windows programs are built to make a memory fault hard to exploit:
# - the stack protector (-fstack-protector-strong): functions with arrays or
#   addresses of locals check a random guard word before they return; the
#   guard is seeded from the system's random number generator at start, and
#   a mismatch ends the process;
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
