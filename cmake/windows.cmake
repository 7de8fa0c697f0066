# Windows build (MinGW-w64 i686): the module DLL, the host simulator and the
# Windows-side test programs. Runtime linked statically so the DLL stands alone.
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB_RECURSE QVS_WIN32_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/src/win32/*.cpp ${CMAKE_SOURCE_DIR}/src/panel/*.cpp ${CMAKE_SOURCE_DIR}/src/app/*.cpp)
file(GLOB_RECURSE QVS_WIN32_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/panel/*.rc)
add_library(qvs SHARED ${QVS_WIN32_SOURCES} ${QVS_WIN32_RESOURCES} ${CMAKE_SOURCE_DIR}/src/app/qvs.def)
set_target_properties(qvs PROPERTIES PREFIX "" OUTPUT_NAME qvs RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_libraries(qvs PRIVATE qvscore ole32 uuid comctl32 comdlg32 shell32 dbghelp user32 gdi32 kernel32)
target_link_options(qvs PRIVATE -Wl,--kill-at)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # qvs.def names the exports undecorated; let the linker find name@N quietly.
  target_link_options(qvs PRIVATE -Wl,--enable-stdcall-fixup)
endif()

# The event relay: a second DLL beside qvs.dll that the companion script
# calls with each IRC event. It holds its own portable core and the wire
# header, nothing else of the module.
file(GLOB QVS_RELAY_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/relay/*.cpp ${CMAKE_SOURCE_DIR}/src/relay_win32/*.cpp)
add_library(qvsrelay SHARED ${QVS_RELAY_SOURCES} ${CMAKE_SOURCE_DIR}/src/relay_win32/qvsrelay.def)
set_target_properties(qvsrelay PROPERTIES PREFIX "" OUTPUT_NAME qvsrelay RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_include_directories(qvsrelay PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(qvsrelay PRIVATE user32 kernel32)
target_link_options(qvsrelay PRIVATE -Wl,--kill-at)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_link_options(qvsrelay PRIVATE -Wl,--enable-stdcall-fixup)
endif()

add_subdirectory(tools/pkzipc)

if(EXISTS ${CMAKE_SOURCE_DIR}/tools/hostsim/CMakeLists.txt)
  add_subdirectory(tools/hostsim)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/wine/CMakeLists.txt)
  add_subdirectory(tests/wine)
endif()
