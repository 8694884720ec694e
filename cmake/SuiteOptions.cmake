# Compiler settings shared by every target of the suite.

if(WIN32)
  set(SUITE_WINDOWS ON)
else()
  set(SUITE_WINDOWS OFF)
endif()

# The i686 build is the product.  Its 64-bit twin is built from the same
# sources and is the one Wine runs the Windows tests on (see docs/testing.md).
if(SUITE_WINDOWS AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(SUITE_PRODUCT_BUILD ON)
else()
  set(SUITE_PRODUCT_BUILD OFF)
endif()
if(SUITE_WINDOWS AND NOT SUITE_PRODUCT_BUILD)
  set(SUITE_WINE_TESTS ON)
else()
  set(SUITE_WINE_TESTS OFF)
endif()

add_compile_options(-Wall -Wextra)

if(SUITE_WINDOWS)
  # SSE arithmetic: the x87 default rounds differently, e.g. (int)(1.15f*100) gives 114.
  if(SUITE_PRODUCT_BUILD)
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
  # 8-bit ANSI Win32 API throughout.
  add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601)
  # The product is linked without any MinGW runtime DLL.
  add_link_options(-static)
else()
  option(SUITE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
  # The fuzz preset brings its own sanitizer options (cmake/SuiteFuzzing.cmake).
  if(SUITE_SANITIZE AND NOT SUITE_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

# Folder where every .exe and .dll of the Windows build lands, so that programs
# find the DLLs beside them when Wine runs them.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/lib")
