# The warnings every target of ours is built with; any of them fails the build.
function(fourier_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wfloat-conversion -Wnon-virtual-dtor
    -Woverloaded-virtual -Wsuggest-override -Werror
    # Every operation of a sum is rounded as written; the compiler may not fuse them.
    -ffp-contract=off)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER)
endfunction()
