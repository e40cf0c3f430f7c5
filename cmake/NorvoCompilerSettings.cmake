# Warnings and sanitizers for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 takes inlined std::string copies at -O2 for overlapping memcpy
    # calls (a false -Wrestrict); the warning says nothing about our code.
    add_compile_options(-Wno-restrict)
endif()
if(NORVO_WERROR)
    add_compile_options(-Werror)
endif()
if(NORVO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
