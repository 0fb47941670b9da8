orlex_add_test(tst_mainwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_mainwindow.cpp ${CMAKE_CURRENT_LIST_DIR}/shelltest.h
               LIBS orlex_gui)
orlex_add_test(tst_language SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_language.cpp ${CMAKE_CURRENT_LIST_DIR}/shelltest.h
               LIBS orlex_gui)
orlex_add_test(tst_msgbox SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_msgbox.cpp ${CMAKE_CURRENT_LIST_DIR}/shelltest.h
               LIBS orlex_gui)
orlex_add_test(tst_datafiles SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_datafiles.cpp ${CMAKE_CURRENT_LIST_DIR}/shelltest.h
               LIBS orlex_gui)
