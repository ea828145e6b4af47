# 64-bit Windows build of the same sources. This machine cannot execute 32-bit
# code (its kernel runs without IA-32 emulation), so the end-to-end tests run
# this build under 64-bit Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TAVEL_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
