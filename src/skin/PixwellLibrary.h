// Pixwell bound at run time: the player loads the library by name the first
// time it decodes a PNG picture or shapes a window, beside the program
// first and then on the library path. The object owns the loaded library;
// the functions it hands out are valid while it lives. UI thread only.
#pragma once

#include "pixwell.h"

#include <string>

namespace vantor {

struct PixwellApi {
    decltype(&exLoadPNG) loadPng = nullptr;
    decltype(&exGetPNG) getPng = nullptr;
    decltype(&CreateRgnFromPictureBox) createRegion = nullptr;
    decltype(&Pixwell_FreeRegion) freeRegion = nullptr;
    decltype(&Pixwell_GetVersion) version = nullptr;
};

class PixwellLibrary {
public:
    // The file name the library is looked up by.
    static constexpr const char* kFileName = "libpixwell.so";

    // `programFolder` (with a trailing '/') is searched for `fileName`
    // before the library path; nothing is loaded until Api() is first called.
    explicit PixwellLibrary(std::string programFolder, std::string fileName = kFileName);
    ~PixwellLibrary();
    PixwellLibrary(const PixwellLibrary&) = delete;
    PixwellLibrary& operator=(const PixwellLibrary&) = delete;

    // The library's functions, loading it on first use; null while it
    // cannot be found or lacks one of its exports (the next call tries
    // again).
    const PixwellApi* Api();
    // Where the loaded library came from: the file beside the program, or
    // the bare name the dynamic loader resolved. Empty until loaded.
    const std::string& LoadedFrom() const { return m_loadedFrom; }

private:
    bool TryOpen(const std::string& name);

    std::string m_programFolder;
    std::string m_fileName;
    void* m_handle = nullptr;
    PixwellApi m_api;
    std::string m_loadedFrom;
};

} // namespace vantor
