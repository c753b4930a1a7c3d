#include "skin/PixwellLibrary.h"

#include "base/DynamicLibrary.h"

#include <utility>

namespace vantor {

PixwellLibrary::PixwellLibrary(std::string programFolder, std::string fileName)
    : m_programFolder(std::move(programFolder)), m_fileName(std::move(fileName)) {}

PixwellLibrary::~PixwellLibrary() {
    CloseDynamicLibrary(m_handle);
}

bool PixwellLibrary::TryOpen(const std::string& name) {
    void* handle = OpenDynamicLibrary(name);
    if (!handle)
        return false;
    PixwellApi api;
    const bool complete = BindSymbol(handle, "exLoadPNG", api.loadPng) &&
                          BindSymbol(handle, "exGetPNG", api.getPng) &&
                          BindSymbol(handle, "CreateRgnFromPictureBox", api.createRegion) &&
                          BindSymbol(handle, "Pixwell_FreeRegion", api.freeRegion) &&
                          BindSymbol(handle, "Pixwell_GetVersion", api.version);
    if (!complete) {
        CloseDynamicLibrary(handle);
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
