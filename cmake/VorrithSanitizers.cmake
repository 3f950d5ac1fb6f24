# AddressSanitizer and UndefinedBehaviorSanitizer for everything built here; any finding
# aborts the program, so a test run fails on it.
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
