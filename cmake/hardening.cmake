# Debian's hardening flags, as dpkg-buildflags gives them on Debian 12 with
# hardening=+all: a stack protector, checked string and memory functions
# (which need an optimised build), format-string checks, and a relocation
# table that is bound at start and then read-only. The sanitizer and fuzz
# builds bring checks of their own and leave these out.
if(NOT KESTROM_SANITIZE AND NOT KESTROM_FUZZ)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
