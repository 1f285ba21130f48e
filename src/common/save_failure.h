#pragma once
// Why a file could not be saved, told to the teacher in words a teacher can act on: choose
// another folder, free some space, pick a folder that exists.
#include <string>
#include <string_view>

namespace varnesk {

enum class SaveFailure { NoPermission, DiskFull, FolderMissing, Other };

// From the system's error number (errno) of the failed open, write or rename.
SaveFailure saveFailureOf(int errorNumber);

// The message, naming the file; it also says that what the file held before is still there.
std::string saveFailureMessage(std::string_view file, SaveFailure why);

}  // namespace varnesk
