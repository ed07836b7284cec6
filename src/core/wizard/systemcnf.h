#pragma once
// The disc ID of a game CD, read from the boot file SYSTEM.CNF in the disc's root: its BOOT line
// names the boot executable ("BOOT = cdrom:\SLUS_007.07;1"), whose name is the product code in
// disguise ("SLUS-00707"), and the disc ID table pairs that code with the disc ID.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/state.h"

namespace tolva {

/// The name of the boot file in a disc's root.
inline constexpr const char* kSystemCnfName = "SYSTEM.CNF";

/// A boot file holds a few short lines; anything larger is not one.
inline constexpr std::size_t kSystemCnfLimit = 64u * 1024u;

/// How reading a disc's identity ended.
enum class DiscRead {
    Found,       ///< discID holds the disc ID of the first table row with the product code
    NoFile,      ///< the root holds no SYSTEM.CNF (or the root cannot be read)
    Unreadable,  ///< the file exists but cannot be read whole
    Empty,       ///< the file holds no bytes
    NoBootLine,  ///< no line of the file is a BOOT line
    CannotCut,   ///< the BOOT line has no ";" after its last "\"
    NotInTable,  ///< productCode is not in the disc ID table
};

struct DiscIdentity {
    DiscRead result = DiscRead::NoFile;
    std::string productCode;  ///< Found and NotInTable
    std::string discID;       ///< Found
    std::string description;  ///< every failure: worded for a person, naming the file and the cause
};

/// The BOOT line of a boot file's text: the first line whose first four characters, after
/// removing surrounding spaces and taking upper case, are "BOOT" (so "boot2" counts too).
std::optional<std::string_view> FindBootLine(std::string_view text);

/// The product code a BOOT line names: the text between its last "\" (or its start when it has
/// none) and its last ";", trimmed and in upper case, cut as "SLUS_007.07" → "SLUS-00707"
/// (characters 1-4, "-", 6-8, 10 to the end; short names give shorter codes). Nothing when the
/// line has no ";" after its last "\".
std::optional<std::string> ProductCodeFromBootLine(std::string_view line);

/// The identity of a disc whose boot file, found at path, holds text.
DiscIdentity IdentifyDisc(std::string_view text, const std::string& path, const DiscIDTable& table);

/// Finds SYSTEM.CNF in root (the exact name, else any letter case), reads it and identifies it.
DiscIdentity ReadDiscIdentity(const std::string& root, const DiscIDTable& table);

}  // namespace tolva
