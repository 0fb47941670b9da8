orlex_add_test(tst_mainwindow SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_mainwindow.cpp
               LIBS orlex_app)
orlex_add_test(tst_language SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_language.cpp
               LIBS orlex_app)
orlex_add_test(tst_msgbox SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_msgbox.cpp
               LIBS orlex_gui)
orlex_add_test(tst_datafiles SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_datafiles.cpp
               LIBS orlex_app)
orlex_add_test(tst_programstart SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_programstart.cpp
               LIBS orlex_app)
orlex_add_test(tst_undo SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_undo.cpp
               LIBS orlex_app)
orlex_add_test(tst_settingsalive SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settingsalive.cpp
               LIBS orlex_app)
orlex_add_test(tst_recentfiles SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_recentfiles.cpp
               LIBS orlex_app)
orlex_add_test(tst_document SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_document.cpp
               LIBS orlex_gui)
