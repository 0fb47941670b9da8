orlex_add_test(tst_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_cli.cpp LIBS orlex_files)
add_dependencies(tst_cli orlex-k7-cli)
