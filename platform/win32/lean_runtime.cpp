// The few run-time pieces the shipped programs take from the C++ library in a
// form that cannot throw. The product catches no exception, so wherever the
// library would throw (memory exhausted, a string or vector grown past its
// maximum, an empty std::function called) the process ends; here it ends at
// once with abort(), as an uncaught exception ends in it after unwinding.
// Defining these keeps the library's exception classes, the unwinder and the
// terminate handler with its name demangler out of the programs.
//
// Built without exceptions (cmake/lean-release.cmake) and linked into
// Tavelhook.dll, Tavelmon.exe and Tavelpanel.exe only. A library function
// that the programs start to use and that is defined next to one of these
// would make the link fail with a duplicate definition: add it here then.
#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void EndProcess() { std::abort(); }

void* Allocate(std::size_t size) { return std::malloc(size ? size : 1); }

}  // namespace

// The replaceable global allocation functions. No program installs a
// new-handler, so a failed allocation has nobody to ask for memory.
void* operator new(std::size_t size) {
  if (void* block = Allocate(size)) return block;
  EndProcess();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

// The library's throw helpers that the containers, strings and std::function
// call when a request cannot be met.
namespace std {
void __throw_bad_alloc() { EndProcess(); }
void __throw_bad_array_new_length() { EndProcess(); }
void __throw_bad_function_call() { EndProcess(); }
void __throw_length_error(const char*) { EndProcess(); }
void __throw_logic_error(const char*) { EndProcess(); }
void __throw_out_of_range_fmt(const char*, ...) { EndProcess(); }
}  // namespace std
