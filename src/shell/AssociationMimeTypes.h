// The MIME types the desktop's file-type database files each extension of the
// association list under, and the types the program declares itself.
// Pure data; any thread.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The types opened by the program when `extension` (".MP3", any case) is
// associated: the canonical type first, then the aliases desktops still
// file defaults under. Empty for an extension outside the list.
std::span<const std::string_view> AssociationMimeTypes(std::string_view extension);

// Every type of the association list, each once, in list order.
std::vector<std::string_view> AllAssociationMimeTypes();

// The shared-mime-info package that declares the program's own types
// (playlists ".dvl", segments ".sgt") and names ".rmi" files as MIDI.
std::string_view OwnMimeTypesXml();

} // namespace vantor
