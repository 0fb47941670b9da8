orlex_add_test(tst_transactions SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_transactions.cpp
               ${CMAKE_CURRENT_LIST_DIR}/linkharness.h LIBS orlex_link)
orlex_add_test(tst_endtoend SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_endtoend.cpp LIBS orlex_files orlex_link)
add_dependencies(tst_endtoend orlex-k7-cli orlex-k7-sim)
orlex_add_test(tst_portproblem SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_portproblem.cpp
               ${CMAKE_CURRENT_LIST_DIR}/linkharness.h LIBS orlex_link)
orlex_add_test(tst_portdiscovery SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_portdiscovery.cpp LIBS orlex_link)
