orlex_add_test(tst_transactions SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_transactions.cpp
               ${CMAKE_CURRENT_LIST_DIR}/linkharness.h LIBS orlex_link)
