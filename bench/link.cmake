# Read and write against the paced simulator: wall time as a ratio to the wire-time lower bound.
add_executable(bench_link ${CMAKE_CURRENT_LIST_DIR}/link_bench.cpp)
target_link_libraries(bench_link PRIVATE orlex_link benchmark::benchmark)
target_compile_definitions(bench_link PRIVATE ORLEX_K7_SIM="$<TARGET_FILE:orlex-k7-sim>")
add_dependencies(bench_link orlex-k7-sim)
