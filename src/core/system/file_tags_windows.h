#pragma once

// Windows only: the tags of a file as the property system hands them over.

#include "core/system/file_tags.h"

#include <windows.h>
// These need windows.h before them.
#include <propsys.h>

namespace jukewright {

// The tags a file's property store holds: the album artist, else the first of the track artists; the
// album; the track and disc numbers, whether the store gives them as numbers or as text. A store that
// fails to answer gives empty tags.
TrackTags tagsFromPropertyStore(IPropertyStore& store);

} // namespace jukewright
