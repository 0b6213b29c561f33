sm_test(test_census_page SOURCES test_census_page.cpp LIBS smui smcore)
target_compile_definitions(test_census_page PRIVATE GEN_CENSUS="$<TARGET_FILE:gen-census>")
add_dependencies(test_census_page gen-census)
