// Shared libraries bound at run time, for what is heavy to load and only
// needed once the user asks for it. Whoever opens a handle decides whether
// it lives for the whole process or is closed. Any thread may call these.
#pragma once

#include <string>

namespace vantor {

// Opens `name` (a bare name goes through the dynamic loader's search, a name
// with a slash is a path) with every symbol bound now; null when it cannot.
void* OpenDynamicLibrary(const std::string& name);

// Closes a handle from OpenDynamicLibrary (null is ignored).
void CloseDynamicLibrary(void* handle);

// Looks `symbol` up in the library `handle` and its dependencies.
void* FindDynamicSymbol(void* handle, const char* symbol);

// Binds `into` to `symbol` of `handle`; false, leaving `into` null, when absent.
template <typename Function>
bool BindSymbol(void* handle, const char* symbol, Function& into) {
    into = reinterpret_cast<Function>(FindDynamicSymbol(handle, symbol));
    return into != nullptr;
}

} // namespace vantor
