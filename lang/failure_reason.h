#pragma once
// Why a file could not be written, in the current language, from the system's error.

#include <string>
#include <system_error>

namespace circumvia::lang {

// A sentence for the common reasons (a full disk, a write-protected file, a missing
// folder, ...); any other error in the system's own words.
std::string FailureReason(const std::error_code& error);

// "Cannot write the file NAME" with the reason on the next line.
std::string CannotWriteMessage(const std::string& name, const std::error_code& error);

}  // namespace circumvia::lang
