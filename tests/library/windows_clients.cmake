# Clients of the Pelmar DLL under Wine: regsvr32 registers it, a C++ and a VBScript client use
# it, and last the C++ client takes the registration away and puts it back.
add_executable(pelmar_client_tests pelmar_client_test.cpp)
target_link_libraries(pelmar_client_tests PRIVATE
  GTest::gtest owners pelmar_interfaces lomvex_options ole32 oleaut32 uuid advapi32)
add_dependencies(pelmar_client_tests pelmar)

if(LOMVEX_WINE_RUN)
  set(client pelmar_client_tests "Z:$<TARGET_FILE:pelmar>")
  set(unregistration Module.UnregistrationRemovesWhatRegistrationWrote)
  add_test(NAME pelmar_register COMMAND ${LOMVEX_WINE_RUN} regsvr32 /s "Z:$<TARGET_FILE:pelmar>")
  add_test(NAME pelmar_cpp_client COMMAND ${client} --gtest_filter=-${unregistration})
  # Where the code page has double-byte characters (932, Japanese).
  add_test(NAME pelmar_cpp_client_japanese
           COMMAND ${client} --gtest_filter=Client.KeepsDoubleByteCharactersWholeInKeyPathsAndNames)
  set_tests_properties(pelmar_cpp_client_japanese PROPERTIES
    ENVIRONMENT "LANG=ja_JP.UTF-8;LC_ALL=ja_JP.UTF-8" PASS_REGULAR_EXPRESSION "PASSED  \\] 1 test\\.")
  add_test(NAME pelmar_vbscript_client
           COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/run_vbscript.sh ${LOMVEX_WINE_RUN}
                   ${CMAKE_CURRENT_SOURCE_DIR}/pelmar_client.vbs ${CMAKE_CURRENT_BINARY_DIR}/vbscript-work)
  add_test(NAME pelmar_unregistration COMMAND ${client} --gtest_filter=${unregistration})
  set_tests_properties(pelmar_register PROPERTIES
    FIXTURES_REQUIRED wine FIXTURES_SETUP pelmar_registered RESOURCE_LOCK pelmar_registration TIMEOUT 60)
  set_tests_properties(pelmar_cpp_client pelmar_cpp_client_japanese pelmar_vbscript_client
                     pelmar_unregistration PROPERTIES
    FIXTURES_REQUIRED "wine;pelmar_registered" RESOURCE_LOCK pelmar_registration TIMEOUT 120)
  set_tests_properties(pelmar_vbscript_client PROPERTIES PASS_REGULAR_EXPRESSION "(^|\n)[0-9]+ passed, 0 failed\r?\n")
  set_tests_properties(pelmar_unregistration PROPERTIES DEPENDS "pelmar_cpp_client;pelmar_cpp_client_japanese;pelmar_vbscript_client")
endif()
