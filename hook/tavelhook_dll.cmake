# Tavelhook.dll and the portable Load/Get/Set operations it exports.

# Load/Get/Set operations of the library and the desktop-kind rule: portable,
# unit-tested on the host.
add_library(tavel_hook_exports STATIC
  ${CMAKE_CURRENT_LIST_DIR}/exports.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop_kind.cpp
)
target_include_directories(tavel_hook_exports PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tavel_hook_exports PUBLIC tavel_common)

# Tavelhook.dll: exports by ordinal only, from the list in Tavelhook.exports.
# Programs link it through the import library (target Tavelhook_imports).
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/tavelhook_def.cmake)
  tavelhook_write_def(${CMAKE_CURRENT_LIST_DIR}/Tavelhook.exports
                      ${CMAKE_CURRENT_BINARY_DIR}/Tavelhook.def)
  add_library(Tavelhook SHARED
    ${CMAKE_CURRENT_LIST_DIR}/dll_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shared_state_mapping.cpp
    ${CMAKE_CURRENT_LIST_DIR}/desktop_kind_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keyboard_hook_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exports_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/first_run_win32.cpp
    ${PROJECT_SOURCE_DIR}/platform/win32/key_input_win32.cpp
    ${CMAKE_CURRENT_BINARY_DIR}/Tavelhook.def
  )
  set_target_properties(Tavelhook PROPERTIES
    PREFIX ""
    OUTPUT_NAME Tavelhook
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin
  )
  target_link_libraries(Tavelhook PRIVATE
    tavel_hook_core tavel_hook_exports tavel_common tavel_platform_win32 advapi32 user32)

  add_library(Tavelhook_imports INTERFACE)
  target_include_directories(Tavelhook_imports INTERFACE ${PROJECT_SOURCE_DIR})
  target_link_libraries(Tavelhook_imports INTERFACE Tavelhook)
endif()
