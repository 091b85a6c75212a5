#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace spanwright {

// The name that stands for standard input.
constexpr std::string_view StandardInputName = "-";
// A GEDZIP archive from a stream that cannot be sought in (a pipe) is read
// into memory, up to this many bytes.
constexpr std::size_t MostArchiveBytesFromStream = std::size_t(256) << 20;

// Opens a GEDCOM file to read: the file itself (or standard input for "-",
// and any stream such as a pipe: its first bytes are looked at without
// rewinding), or, for a GEDZIP archive (a zip file, whatever its name), the
// gedcom.ged at its root, read through minizip as it is unpacked. Returns
// nullptr with the reason in error when the file cannot be opened, the
// archive has no gedcom.ged, or an archive from a pipe passes
// MostArchiveBytesFromStream. The stream is closed with std::fclose; an
// archive's can be sought back to its start (the tree unpacked anew), so
// that it is read twice without a copy. Standard input is read from where
// it stands.
std::FILE* openGedcomFile(const std::string& path, std::string& error);

} // namespace spanwright
