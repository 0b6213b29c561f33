sm_test(test_ui SOURCES test_ui.cpp LIBS smui smcore)
