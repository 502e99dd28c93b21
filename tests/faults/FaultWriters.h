#pragma once

#include "TestSupport.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tarvo::test {

// One of the three files the program writes, in a start folder that already
// holds one of each (and another backup), so that a failed write can be checked
// against every earlier file.
struct FaultWriter {
    const char* name;
    // Writes `bytes` (for the settings file: an author of about that length) with
    // the start folder as the current directory.
    std::function<void(const std::filesystem::path& startFolder, const std::string& bytes)> write;
    // The file it writes, relative to the start folder.
    std::filesystem::path target;
    // The exact message of its failure.
    std::function<std::string(const std::filesystem::path& startFolder)> createError;
};

const std::vector<FaultWriter>& faultWriters();

// Lays out a start folder: "data" with two backups, "setting.dat" and a saved text.
void prepareStartFolder(const std::filesystem::path& startFolder);

// The name the fault tests save under: CP932 with blanks and a 0x5C trail byte.
std::string faultSoftwareName();

} // namespace tarvo::test
