// What std::terminate calls in this program. The toolchain's default handler prints the
// escaped exception's type, demangled, on stderr: a windowed program has no stderr, and the
// demangler and the printf it brings make up some 80 KB of the program. Every window and
// dialog procedure catches at its edge, so getting here is a bug, and ending the process at
// once is all that is left to do. Defined in the program's own objects so the linker never
// takes the library's handler.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
