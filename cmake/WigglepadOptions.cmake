# Warnings and sanitizer flags gathered in one INTERFACE target that every target links.
add_library(wigglepad_options INTERFACE)
target_compile_options(wigglepad_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(WIGGLEPAD_WERROR)
    target_compile_options(wigglepad_options INTERFACE -Werror)
endif()
if(WIGGLEPAD_SANITIZE)
    target_compile_options(wigglepad_options INTERFACE -fsanitize=address,undefined
        -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(wigglepad_options INTERFACE -fsanitize=address,undefined)
endif()
