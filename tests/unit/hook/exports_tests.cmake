# The hook library's Load/Get/Set operations and desktop kinds (host build).
if(NOT WIN32)
  add_executable(tavel_hook_exports_tests
    ${CMAKE_CURRENT_LIST_DIR}/exports_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/desktop_kind_test.cpp
  )
  target_link_libraries(tavel_hook_exports_tests PRIVATE
    tavel_hook_exports tavel_fakes GTest::gtest_main)
  gtest_discover_tests(tavel_hook_exports_tests)
endif()
