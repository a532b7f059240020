#pragma once

#include "core/message.h"

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace jukewright {

// Paths here are the system's own (the folder browser's), UTF-8, taken as they are.

// The folders inside a folder, hidden ones included (Steam lives in "~/.steam"), sorted by name
// ignoring the case of ASCII letters; full paths. The error says why the folder could not be read.
struct FolderListing {
    std::vector<std::string> subfolders;
    std::error_code error;
};
FolderListing listSubfolders(const std::string& folder);

// The folder and every folder above it, from the root down ("/", "/home", "/home/ann").
std::vector<std::string> folderChain(const std::string& folder);

// The name a folder shows in a list: its last component, or the root itself.
std::string folderLabel(const std::string& folder);

// Where the folder browser opens: the "steamapps" folder of the first Steam folder that has one
// (the places Steam installs itself, native, Flatpak or Snap), else the working folder.
std::string browseStartFolder(const std::string& home, const std::string& workingFolder);

// The roots the drive list offers without drive letters: the file system's root, the home folder,
// and the media mounted under /media, /run/media and /mnt, in the order of the mount table.
std::vector<std::string> parseMountPoints(std::string_view mountTable);
std::vector<std::string> reachableRoots(const std::string& home, const std::vector<std::string>& mountPoints);
// The roots of this system: the drive letters on Windows, else the reachable roots from the system's
// mount table.
std::vector<std::string> systemRoots(const std::string& home);
// The root a folder lies under: the longest root that starts it, at a separator.
std::size_t rootIndexFor(const std::vector<std::string>& roots, const std::string& folder);

// What the person is told when a drive or folder cannot be opened.
Message unreadableFolderMessage(const std::string& folder, std::error_code error);

} // namespace jukewright
