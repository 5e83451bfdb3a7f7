// The C++ library's own terminate handler names the exception's type, which
// links its demangler (about 46 KB) into each program. This one, linked as an
// object so that it takes the library's place, says what() and aborts alike.
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    if (const std::exception_ptr thrown = std::current_exception()) {
        try {
            std::rethrow_exception(thrown);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "terminate called after throwing: %s\n", error.what());
        } catch (...) {
            std::fputs("terminate called after throwing an exception\n", stderr);
        }
    } else {
        std::fputs("terminate called without an active exception\n", stderr);
    }
    std::abort();
}

} // namespace __gnu_cxx
