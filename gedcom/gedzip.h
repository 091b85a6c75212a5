#pragma once

#include <cstdio>
#include <string>

// Opens a GEDCOM file to read: the file itself, or, for a GEDZIP archive (a
// zip file, whatever its name), the gedcom.ged at its root, read through
// libzip as it is unpacked. Returns nullptr with the reason in error when
// the file cannot be opened or the archive has no gedcom.ged. The stream is
// closed with std::fclose.
std::FILE* openGedcomFile(const std::string& path, std::string& error);
