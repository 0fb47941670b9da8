orlex_add_test(tst_radiolink SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_radiolink.cpp
               ${CMAKE_CURRENT_LIST_DIR}/applinktest.h LIBS orlex_app)
add_dependencies(tst_radiolink orlex-k7-sim)
orlex_add_test(tst_portchooser SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_portchooser.cpp
               ${CMAKE_CURRENT_LIST_DIR}/applinktest.h LIBS orlex_app)
add_dependencies(tst_portchooser orlex-k7 orlex-k7-sim)
orlex_add_test(tst_compare SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_compare.cpp
               ${CMAKE_CURRENT_LIST_DIR}/applinktest.h LIBS orlex_app)
add_dependencies(tst_compare orlex-k7 orlex-k7-sim)
orlex_add_test(tst_guards SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_guards.cpp
               ${CMAKE_CURRENT_LIST_DIR}/applinktest.h LIBS orlex_app)
add_dependencies(tst_guards orlex-k7-sim)
