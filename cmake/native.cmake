# Native build: the core with its fake adapters, the test suite, benchmarks
# and fuzz targets.
if(QVS_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
  # qvscore is declared before this file is read, so the options above miss it.
  target_compile_options(qvscore PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
endif()

file(GLOB_RECURSE QVS_FAKE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/fake/*.cpp)
add_library(qvsfake STATIC ${QVS_FAKE_SOURCES})
target_link_libraries(qvsfake PUBLIC qvscore)

find_package(GTest REQUIRED)
find_package(Threads REQUIRED)
enable_testing()

# The event relay's portable core, a library of its own: the relay DLL holds
# it and nothing else of the module.
file(GLOB QVS_RELAY_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/relay/*.cpp)
add_library(qvsrelaycore STATIC ${QVS_RELAY_SOURCES})
target_include_directories(qvsrelaycore PUBLIC ${CMAKE_SOURCE_DIR}/src)

file(GLOB_RECURSE QVS_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(qvs_tests ${QVS_TEST_SOURCES})
target_include_directories(qvs_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/native ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(qvs_tests PRIVATE qvsfake qvsrelaycore GTest::gtest GTest::gtest_main GTest::gmock Threads::Threads)
# The simulated host's portable parts (model, send windows, scenario reader,
# send commands, stored numbers, what users read, the companion script's
# evaluator): the Wine scenarios are only as good as they are.
set(HOSTSIM_PORTABLE host_model send_windows scenario send_commands step_words stored_number user_view mrc_script
    mrc_evaluator script_world script_follower)
list(TRANSFORM HOSTSIM_PORTABLE PREPEND ${CMAKE_SOURCE_DIR}/tools/hostsim/)
list(TRANSFORM HOSTSIM_PORTABLE APPEND .cpp)
target_sources(qvs_tests PRIVATE ${HOSTSIM_PORTABLE})
# The companion script itself, which hostsim's evaluator follows in the tests.
target_compile_definitions(qvs_tests PRIVATE QVS_COMPANION_SCRIPT="${CMAKE_SOURCE_DIR}/script/qvs.mrc")
target_include_directories(qvs_tests PRIVATE ${CMAKE_SOURCE_DIR}/tools/hostsim)
include(GoogleTest)
gtest_discover_tests(qvs_tests DISCOVERY_TIMEOUT 60)

# Our compound-file writer checked by an independent reader (python3-olefile,
# a Debian package: prefer the system interpreter that sees it).
add_executable(compound_sample ${CMAKE_SOURCE_DIR}/tests/tools/compound_sample.cpp)
target_link_libraries(compound_sample PRIVATE qvscore)
set(QVS_OLEFILE_PYTHON "")
find_program(QVS_PYTHON3 python3)
foreach(candidate /usr/bin/python3 ${QVS_PYTHON3})
  if(NOT QVS_OLEFILE_PYTHON AND EXISTS ${candidate})
    execute_process(COMMAND ${candidate} -c "import olefile" RESULT_VARIABLE olefile_missing
                    OUTPUT_QUIET ERROR_QUIET)
    if(olefile_missing EQUAL 0)
      set(QVS_OLEFILE_PYTHON ${candidate})
    endif()
  endif()
endforeach()
if(QVS_OLEFILE_PYTHON)
  add_test(NAME compound_olefile_check
           COMMAND ${QVS_OLEFILE_PYTHON} ${CMAKE_SOURCE_DIR}/tests/native/olefile_check.py
                   $<TARGET_FILE:compound_sample>)
  set_tests_properties(compound_olefile_check PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 60)
else()
  message(STATUS "compound_olefile_check skipped: no python3 can import olefile (python3-olefile)")
endif()

# The README's commands install before they use what the installation brings.
add_test(NAME fresh_machine_order COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/fresh_machine_test.sh)
set_tests_properties(fresh_machine_order PROPERTIES TIMEOUT 60)

# The fixture sets of the Wine scenarios and the demo (scripts/fixtures.sh).
add_executable(sample_configuration ${CMAKE_SOURCE_DIR}/tests/tools/sample_configuration.cpp
               ${CMAKE_SOURCE_DIR}/tests/tools/fixture_files.cpp ${CMAKE_SOURCE_DIR}/tests/tools/fixture_records.cpp)
target_link_libraries(sample_configuration PRIVATE qvsfake)

# The list archiver, natively: its archives checked by unzip and by
# Python's zipfile, content byte for byte.
add_subdirectory(tools/pkzipc)
find_program(QVS_UNZIP unzip)
if(QVS_UNZIP AND QVS_PYTHON3)
  add_test(NAME pkzipc_archive_check
           COMMAND ${QVS_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/native/pkzipc_check.py $<TARGET_FILE:pkzipc>)
  set_tests_properties(pkzipc_archive_check PROPERTIES TIMEOUT 120)
else()
  message(STATUS "pkzipc_archive_check skipped: needs unzip and python3")
endif()

find_package(benchmark QUIET)
file(GLOB QVS_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(benchmark_FOUND AND QVS_BENCH_SOURCES)
  add_executable(qvs_bench ${QVS_BENCH_SOURCES})
  target_include_directories(qvs_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(qvs_bench PRIVATE qvsfake benchmark::benchmark Threads::Threads)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/fuzz/CMakeLists.txt)
  add_subdirectory(fuzz)
endif()

# The companion script cannot run here; its lint and the lint's own check
# against planted faults run with the suite.
if(QVS_PYTHON3)
  add_test(NAME companion_script_lint COMMAND ${QVS_PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/lint-script.py)
  add_test(NAME companion_script_lint_faults COMMAND ${QVS_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/tools/lint_script_test.py)
endif()
