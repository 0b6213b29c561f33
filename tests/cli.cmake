sm_test(test_cli SOURCES test_cli.cpp LIBS smcli)
