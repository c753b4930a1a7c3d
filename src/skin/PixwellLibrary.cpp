#include "skin/PixwellLibrary.h"

#include <dlfcn.h>

#include <utility>

namespace vantor {

namespace {

template <typename Function>
bool Bind(void* handle, const char* name, Function& into) {
    into = reinterpret_cast<Function>(dlsym(handle, name));
    return into != nullptr;
}

} // namespace

PixwellLibrary::PixwellLibrary(std::string programFolder, std::string fileName)
    : m_programFolder(std::move(programFolder)), m_fileName(std::move(fileName)) {}

PixwellLibrary::~PixwellLibrary() {
    if (m_handle)
        dlclose(m_handle);
}

bool PixwellLibrary::TryOpen(const std::string& name) {
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return false;
    PixwellApi api;
    const bool complete = Bind(handle, "exLoadPNG", api.loadPng) &&
                          Bind(handle, "exGetPNG", api.getPng) &&
                          Bind(handle, "CreateRgnFromPictureBox", api.createRegion) &&
                          Bind(handle, "Pixwell_FreeRegion", api.freeRegion) &&
                          Bind(handle, "Pixwell_GetVersion", api.version);
    if (!complete) {
        dlclose(handle);
        return false;
    }
    m_handle = handle;
    m_api = api;
    m_loadedFrom = name;
    return true;
}

const PixwellApi* PixwellLibrary::Api() {
    if (m_handle)
        return &m_api;
    // A name with a slash is opened as a path; the bare name goes through
    // the dynamic loader's search (run path, LD_LIBRARY_PATH, cache).
    if (!m_programFolder.empty() && TryOpen(m_programFolder + m_fileName))
        return &m_api;
    return TryOpen(m_fileName) ? &m_api : nullptr;
}

} // namespace vantor
