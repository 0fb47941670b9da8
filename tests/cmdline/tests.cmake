# The three programs' command lines: --help, --version, unknown options.
orlex_add_test(tst_commandline SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_commandline.cpp LIBS Qt6::Core)
target_compile_definitions(tst_commandline PRIVATE ORLEX_PROJECT_VERSION="${PROJECT_VERSION}")
add_dependencies(tst_commandline orlex-k7 orlex-k7-cli orlex-k7-sim)
orlex_add_test(tst_simoptions SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_simoptions.cpp
               ${CMAKE_SOURCE_DIR}/src/sim/simoptions.cpp LIBS orlex_link orlex_cmdline)
orlex_include_root(tst_simoptions sim)
