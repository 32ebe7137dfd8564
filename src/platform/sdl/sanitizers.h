// What the window backend tells the sanitizers about code that is not ours.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define RAMPARO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RAMPARO_ASAN 1
#endif
#endif

#if defined(__SANITIZE_THREAD__)
#define RAMPARO_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define RAMPARO_TSAN 1
#endif
#endif

#ifdef RAMPARO_ASAN
#include <sanitizer/lsan_interface.h>
#endif

namespace platform::sdl {

// While one lives, allocations of the calling thread are not leak-checked. Only around SDL calls
// whose libraries keep memory past SDL_Quit: the D-Bus connection data of SDL_Init, and what the
// OpenGL driver (Mesa) keeps from the first texture upload and present of a window.
struct ForeignAllocations {
    ForeignAllocations() {
#ifdef RAMPARO_ASAN
        __lsan_disable();
#endif
    }
    ~ForeignAllocations() {
#ifdef RAMPARO_ASAN
        __lsan_enable();
#endif
    }
    ForeignAllocations(const ForeignAllocations&) = delete;
    ForeignAllocations& operator=(const ForeignAllocations&) = delete;
};

}  // namespace platform::sdl
