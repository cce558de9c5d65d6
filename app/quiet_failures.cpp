// The program catches no exception: whatever the C++ library would throw
// (out of memory, a length past the limit) ends it through std::terminate.
// These take the library's own places and end it at once, the same way, so
// the exception classes, their message texts and the demangler that prints
// an uncaught one's type stay out of the executable (more than a quarter of
// its size). A windowed program has nowhere to print that type anyway.
#include <bits/functexcept.h>

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }

}  // namespace std
