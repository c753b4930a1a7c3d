#include "base/DynamicLibrary.h"

#include <dlfcn.h>

namespace vantor {

void* OpenDynamicLibrary(const std::string& name) {
    return dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void CloseDynamicLibrary(void* handle) {
    if (handle != nullptr)
        dlclose(handle);
}

void* FindDynamicSymbol(void* handle, const char* symbol) {
    return handle != nullptr ? dlsym(handle, symbol) : nullptr;
}

} // namespace vantor
