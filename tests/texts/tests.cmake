orlex_add_test(tst_listtables SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_listtables.cpp LIBS orlex_texts)
orlex_add_test(tst_channelcells SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_channelcells.cpp LIBS orlex_texts)
