# Fuzzing build: every library is compiled with coverage feedback for
# libFuzzer and with AddressSanitizer and UndefinedBehaviorSanitizer, so a
# fault anywhere under a target stops it with the input that caused it.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VELA_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
if(VELA_BUILD_GUI)
  message(FATAL_ERROR "VELA_FUZZ builds the Qt-free code only: add -DVELA_BUILD_GUI=OFF")
endif()
# libFuzzer and the sanitizers' runtimes come in a package of their own; say
# so at configure rather than at the first link. A failed check is tried
# again on the next configure, once the package may be there.
include(CheckCXXSourceCompiles)
if(NOT VELA_HAVE_LIBFUZZER)
  unset(VELA_HAVE_LIBFUZZER CACHE)
endif()
set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer,address,undefined)
set(CMAKE_REQUIRED_QUIET ON)
check_cxx_source_compiles([[
#include <cstddef>
#include <cstdint>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }
]] VELA_HAVE_LIBFUZZER)
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_QUIET)
if(NOT VELA_HAVE_LIBFUZZER)
  message(FATAL_ERROR "vela: fuzz targets cannot be built: clang cannot link a libFuzzer target with "
          "AddressSanitizer and UndefinedBehaviorSanitizer; their runtimes are missing "
          "(Debian package libclang-rt-14-dev; scripts/setup installs it)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined)
add_link_options(-fsanitize=address,undefined)
