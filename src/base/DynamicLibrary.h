// Shared libraries bound at run time, for what is heavy to load and only
// needed once the user asks for it. Whoever opens a handle decides whether
// it lives for the whole process or is closed. Any thread may call these.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

// Opens `name` (a bare name goes through the dynamic loader's search from the
// program, a name with a slash is a path) with every symbol bound now; null
// when it cannot.
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

// A library's functions bound at run time, declared from an X-macro list of
// their names: `struct FooApi { VANTOR_BOUND_FUNCTIONS(FOO_FUNCTIONS) };`
// holds one pointer per name, typed as the declared function, and binds them.
#define VANTOR_BOUND_POINTER(name) decltype(&::name) name = nullptr;
#define VANTOR_BIND_POINTER(name) complete = bind(#name, name) && complete;
#define VANTOR_BOUND_FUNCTIONS(LIST)                                                               \
    LIST(VANTOR_BOUND_POINTER)                                                                     \
    template <typename Bind>                                                                       \
    bool BindAll(const Bind& bind) {                                                               \
        bool complete = true;                                                                      \
        LIST(VANTOR_BIND_POINTER)                                                                  \
        return complete;                                                                           \
    }

// Opens the libraries `sonames` for the life of the process and binds every
// function of `Api` (declared with VANTOR_BOUND_FUNCTIONS) from the first of
// them that has it (a handle also finds its dependencies' symbols); none when
// some function is missing.
template <typename Api>
std::optional<Api> LoadBoundFunctions(std::initializer_list<std::string> sonames) {
    std::vector<void*> handles;
    for (const std::string& soname : sonames)
        handles.push_back(OpenDynamicLibrary(soname));
    Api api;
    const bool complete = api.BindAll([&handles](const char* symbol, auto& into) {
        for (void* handle : handles) {
            if (BindSymbol(handle, symbol, into))
                return true;
        }
        return false;
    });
    if (!complete)
        return std::nullopt;
    return api;
}

} // namespace vantor
