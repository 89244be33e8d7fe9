# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build; any report aborts the test.
if(QUINTREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
