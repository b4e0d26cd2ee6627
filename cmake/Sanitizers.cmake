# TW_SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer; CI runs the suite so.
option(TW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TW_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
