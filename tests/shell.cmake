sm_test(test_shell SOURCES test_shell.cpp LIBS smcore)
