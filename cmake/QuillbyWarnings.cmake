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

# GCC 12 warns -Wrestrict inside libstdc++ for `"text" + std::string` at -O2 (GCC bug 105651,
# fixed in GCC 13): a false warning about the library's own code, not about ours.
target_compile_options(quillby_warnings INTERFACE
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
