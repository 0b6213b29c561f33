# The synthetic census generator of tools/.
sm_test(test_gen_census SOURCES test_gen_census.cpp LIBS smcore)
target_compile_definitions(test_gen_census PRIVATE GEN_CENSUS_PATH="$<TARGET_FILE:gen-census>")
add_dependencies(test_gen_census gen-census)
