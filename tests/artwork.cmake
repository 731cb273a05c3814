# The drawn artwork of the built data folder: icon strips, the animated world's
# image collections (read by the core's own reader) and the helicopter sound.
add_executable(artwork_tests ${CMAKE_CURRENT_LIST_DIR}/artwork_tests.cpp ${CMAKE_CURRENT_LIST_DIR}/qt_main.cpp)
target_link_libraries(artwork_tests PRIVATE trazora_app GTest::gtest)
target_compile_definitions(artwork_tests PRIVATE TRAZORA_TEST_DATA="${TRAZORA_DATA_OUT}")
add_dependencies(artwork_tests datafolder)
gtest_discover_tests(artwork_tests DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
