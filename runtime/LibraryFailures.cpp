// What the C++ library does when it fails, in the library's place: each program
// links this as an object, ahead of the library.
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

[[noreturn]] void End(const char* what) {
    std::fprintf(stderr, "terminate called after throwing: %s\n", what);
    std::abort();
}

} // namespace

// The library's own handler names the exception's type, which links its
// demangler (about 46 KB) into each program. This one says what() and aborts.
namespace __gnu_cxx {

void __verbose_terminate_handler() {
    if (const std::exception_ptr thrown = std::current_exception()) {
        try {
            std::rethrow_exception(thrown);
        } catch (const std::exception& error) {
            End(error.what());
        } catch (...) {
            End("an exception");
        }
    }
    std::fputs("terminate called without an active exception\n", stderr);
    std::abort();
}

} // namespace __gnu_cxx

// The errors the library throws itself (a string too long, an index out of
// range, memory run out), which nothing catches: ended here as the handler would
// end them, they keep the library's exception classes, each with a string class
// of its own, out of each program (about 85 KB).
namespace std {

void __throw_bad_alloc() {
    End("std::bad_alloc");
}
void __throw_bad_array_new_length() {
    End("std::bad_array_new_length");
}
void __throw_length_error(const char* what) {
    End(what);
}
void __throw_logic_error(const char* what) {
    End(what);
}
void __throw_out_of_range(const char* what) {
    End(what);
}
void __throw_out_of_range_fmt(const char* what, ...) {
    End(what);
}
void __throw_invalid_argument(const char* what) {
    End(what);
}

} // namespace std
