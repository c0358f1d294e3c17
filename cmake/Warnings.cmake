# One warning set for every build; CI turns warnings into errors.
add_compile_options(-Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wcast-align
                    -Wunused -Woverloaded-virtual -Wformat=2)
if(LEXORA_WERROR)
  add_compile_options(-Werror)
endif()
