#include "base/DynamicLibrary.h"

#include <dlfcn.h>
#include <link.h>

namespace vantor {

namespace {

// The folders the dynamic loader searches for the program's own libraries:
// its run path, LD_LIBRARY_PATH and the system's folders, in that order.
std::vector<std::string> ProgramSearchPath() {
    void* program = dlopen(nullptr, RTLD_NOW);
    std::vector<std::string> folders;
    Dl_serinfo size{};
    if (program == nullptr || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0)
        return folders;
    std::vector<Dl_serinfo> storage((size.dls_size + sizeof(Dl_serinfo) - 1) / sizeof(Dl_serinfo));
    Dl_serinfo* info = storage.data();
    *info = size;
    if (dlinfo(program, RTLD_DI_SERINFOSIZE, info) != 0 ||
        dlinfo(program, RTLD_DI_SERINFO, info) != 0)
        return folders;
    for (unsigned int i = 0; i < info->dls_cnt; ++i)
        folders.emplace_back(info->dls_serpath[i].dls_name);
    return folders;
}

} // namespace

void* OpenDynamicLibrary(const std::string& name) {
    if (void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL))
        return handle;
    // The loader searches the run path of the code that calls dlopen. Under a
    // sanitizer that is the sanitizer's own library, so a bare name is also
    // looked for where the program's own libraries are.
    if (name.find('/') != std::string::npos)
        return nullptr;
    for (const std::string& folder : ProgramSearchPath()) {
        if (void* handle = dlopen((folder + "/" + name).c_str(), RTLD_NOW | RTLD_LOCAL))
            return handle;
    }
    return nullptr;
}

void CloseDynamicLibrary(void* handle) {
    if (handle != nullptr)
        dlclose(handle);
}

void* FindDynamicSymbol(void* handle, const char* symbol) {
    return handle != nullptr ? dlsym(handle, symbol) : nullptr;
}

} // namespace vantor
