# MPFR (with GMP) for the correctly rounded cosine and sine of the calculators:
# Debian's packages on Linux, DLLs built from Debian's sources for Windows
# (scripts/windows passes where they lie).
find_path(MPFR_INCLUDE_DIR mpfr.h REQUIRED)
find_library(MPFR_LIBRARY mpfr REQUIRED)
find_library(GMP_LIBRARY gmp REQUIRED)
add_library(vantrel_mpfr INTERFACE)
target_include_directories(vantrel_mpfr SYSTEM INTERFACE ${MPFR_INCLUDE_DIR})
target_link_libraries(vantrel_mpfr INTERFACE ${MPFR_LIBRARY} ${GMP_LIBRARY})
target_link_libraries(vantrel_mechanics PRIVATE vantrel_mpfr)
