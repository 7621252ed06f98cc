// The program's own terminate handler, which replaces libstdc++'s verbose one at link time.
//
// Exceptions never leave a window procedure or a COM method here, so std::terminate means a bug.
// The verbose handler would print the exception's demangled type to stderr, which a GUI program
// does not have, and it links the whole C++ demangler (tens of kilobytes) into the executable.
// Defining the symbol in an object of the executable keeps the library's version out of the link.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
