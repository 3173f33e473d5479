# Warnings for every target of the project; CI turns them into errors.
add_library(quillby_warnings INTERFACE)
target_compile_options(quillby_warnings INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor>
  $<$<CXX_COMPILER_ID:MSVC>:/W4>)
if(QUILLBY_WERROR)
  target_compile_options(quillby_warnings INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Werror>
    $<$<CXX_COMPILER_ID:MSVC>:/WX>)
endif()
