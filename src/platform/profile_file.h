#pragma once
// The settings file on disk: read whole, and replaced so that a crash leaves either the old or
// the new contents. Paths are the file system's own (UTF-8).
#include <functional>
#include <optional>
#include <string>

// The file's bytes, or nothing when it is missing, not a regular file or cannot be read.
std::optional<std::string> ReadProfileFile(const std::string& path);

// Reads the file as it is now (missing = empty), hands its bytes to `change` and stores what
// that returns. Fails when the file cannot be read, `change` gives nothing, or the new contents
// cannot be stored; the old file is then untouched.
bool UpdateProfileFile(const std::string& path,
                       const std::function<std::optional<std::string>(const std::string&)>& change);

// Every write has reached the disk before it returned, so there is nothing left to
// flush; only the test seam below can make this fail.
bool FlushProfileFiles();

// Test seam: the steps of a write, each of which a test can make fail with an errno.
enum class ProfileFileStep { CreateTemp, WriteTemp, SyncTemp, Rename, OpenInPlace, WriteInPlace,
                             Flush };
void SetProfileFileFault(std::function<int(ProfileFileStep)> fault);
