# Fuzzing build: every library is compiled with coverage feedback for
# libFuzzer and with AddressSanitizer and UndefinedBehaviorSanitizer, so a
# fault anywhere under a target stops it with the input that caused it.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VELA_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
if(VELA_BUILD_GUI)
  message(FATAL_ERROR "VELA_FUZZ builds the Qt-free code only: add -DVELA_BUILD_GUI=OFF")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined)
add_link_options(-fsanitize=address,undefined)
