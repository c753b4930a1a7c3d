// The desktop's file-type database as the association page uses it: one call
// per extension of the association list (".MP3"; compared in lower case).
// The application implements it on the XDG database; tests use a fake.
// UI thread only.
#pragma once

#include <string>

namespace vantor {

class FileAssociations {
public:
    virtual ~FileAssociations() = default;
    // Whether this copy of the program, where it runs now, handles `extension`.
    virtual bool IsAssociated(const std::string& extension) const = 0;
    // Makes the program the handler, remembering the handler before it.
    virtual void Associate(const std::string& extension) = 0;
    // Gives `extension` back to the handler remembered by Associate.
    virtual void Unassociate(const std::string& extension) = 0;
    // Tells the desktop that a round of the calls above changed associations.
    virtual void NotifyChanged() = 0;
};

} // namespace vantor
