# Synthetic census generator for tests and benchmarks.
add_executable(gen-census
  ${CMAKE_CURRENT_LIST_DIR}/gen_census.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gen_census_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gen_census_lines.h
  ${CMAKE_CURRENT_LIST_DIR}/gen_census_words.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gen_census_words.h)
target_link_libraries(gen-census PRIVATE smcore)
target_compile_definitions(gen-census PRIVATE SM_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
