orlex_add_test(tst_channelcells SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_channelcells.cpp LIBS orlex_gui)
