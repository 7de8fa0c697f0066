# Native build: the core with its fake adapters, the test suite, benchmarks
# and fuzz targets.
if(QVS_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

file(GLOB_RECURSE QVS_FAKE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/fake/*.cpp)
add_library(qvsfake STATIC ${QVS_FAKE_SOURCES})
target_link_libraries(qvsfake PUBLIC qvscore)

find_package(GTest REQUIRED)
find_package(Threads REQUIRED)
enable_testing()

file(GLOB_RECURSE QVS_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(qvs_tests ${QVS_TEST_SOURCES})
target_include_directories(qvs_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
target_link_libraries(qvs_tests PRIVATE qvsfake GTest::gtest GTest::gtest_main GTest::gmock Threads::Threads)
include(GoogleTest)
gtest_discover_tests(qvs_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
file(GLOB QVS_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(benchmark_FOUND AND QVS_BENCH_SOURCES)
  add_executable(qvs_bench ${QVS_BENCH_SOURCES})
  target_link_libraries(qvs_bench PRIVATE qvsfake benchmark::benchmark Threads::Threads)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/fuzz/CMakeLists.txt)
  add_subdirectory(fuzz)
endif()
