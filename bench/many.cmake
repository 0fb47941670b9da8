# Several radios written at once by orlex-k7-cli: the time for four paced simulators against one.
add_executable(bench_many ${CMAKE_CURRENT_LIST_DIR}/many_bench.cpp)
target_link_libraries(bench_many PRIVATE Qt6::Core benchmark::benchmark)
target_compile_definitions(bench_many PRIVATE ORLEX_K7_SIM="$<TARGET_FILE:orlex-k7-sim>"
                                              ORLEX_K7_CLI="$<TARGET_FILE:orlex-k7-cli>"
                                              ORLEX_K7_SAMPLE="${PROJECT_SOURCE_DIR}/examples/sample.dat")
add_dependencies(bench_many orlex-k7-sim orlex-k7-cli)
