sm_test(test_draw_page SOURCES test_draw_page.cpp LIBS smui smcore)
target_compile_definitions(test_draw_page PRIVATE GEN_CENSUS="$<TARGET_FILE:gen-census>")
add_dependencies(test_draw_page gen-census)
