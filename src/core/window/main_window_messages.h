#pragma once

#include "core/message.h"

#include <string>
#include <vector>

namespace jukewright {

// One row of the skin message: the picture's file and why it could not be read.
std::string skinFailureRow(const std::string& picture, const std::string& reason);
// One message per skin load, after all its pictures were tried.
Message skinFailureMessage(const std::vector<std::string>& rows);

// The script layout is kept in a file of its own; when that cannot be written the choice holds for
// this run only.
Message layoutNotRememberedMessage(const std::string& preferencesFile);

} // namespace jukewright
