orlex_add_test(tst_cli SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_cli.cpp LIBS orlex_files)
add_dependencies(tst_cli orlex-k7-cli)
orlex_add_test(tst_clilink SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_clilink.cpp LIBS Qt6::Core)
add_dependencies(tst_clilink orlex-k7-cli orlex-k7-sim)
orlex_add_test(tst_configjson SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_configjson.cpp LIBS orlex_files)
add_dependencies(tst_configjson orlex-k7-cli)
orlex_add_test(tst_clicsv SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_clicsv.cpp ${CMAKE_CURRENT_LIST_DIR}/clirun.h
               LIBS orlex_files)
add_dependencies(tst_clicsv orlex-k7-cli)
orlex_add_test(tst_clidiff SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_clidiff.cpp ${CMAKE_CURRENT_LIST_DIR}/clirun.h
               LIBS orlex_files)
add_dependencies(tst_clidiff orlex-k7-cli)
orlex_add_test(tst_clitransfers SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_clitransfers.cpp ${CMAKE_CURRENT_LIST_DIR}/clirun.h
               LIBS orlex_files Qt6::SerialPort)
add_dependencies(tst_clitransfers orlex-k7-cli orlex-k7-sim)
orlex_add_test(tst_cliprint SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_cliprint.cpp ${CMAKE_CURRENT_LIST_DIR}/clirun.h
               LIBS orlex_app)
add_dependencies(tst_cliprint orlex-k7-cli)
orlex_add_test(tst_jsoninput SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_jsoninput.cpp LIBS orlex_files)
