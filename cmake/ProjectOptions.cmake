# One place for the language level, the warnings and the defines every target uses.

add_library(quintaro_options INTERFACE)
target_compile_features(quintaro_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(quintaro_options INTERFACE -Wall -Wextra)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports optional<QString> and variant members as "maybe uninitialized" at -O2 where they are not.
    target_compile_options(quintaro_options INTERFACE -Wno-maybe-uninitialized)
    # GCC 12 at -O3 (the release preset) reports joining std::string with "+" as overlapping copies.
    target_compile_options(quintaro_options INTERFACE -Wno-restrict)
  endif()
  if(QUINTARO_WERROR)
    target_compile_options(quintaro_options INTERFACE -Werror)
  endif()
elseif(MSVC)
  target_compile_options(quintaro_options INTERFACE /W4 /utf-8)
  if(QUINTARO_WERROR)
    target_compile_options(quintaro_options INTERFACE /WX)
  endif()
endif()

# Qt code never converts between QString and 8-bit text behind the programmer's back:
# every Greek literal is spelled out as UTF-16 (u"..."_s) or converted from UTF-8 on purpose.
add_library(quintaro_qt_options INTERFACE)
target_link_libraries(quintaro_qt_options INTERFACE quintaro_options)
target_compile_definitions(quintaro_qt_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_USE_QSTRINGBUILDER)
