#pragma once

#include <cstdio>
#include <memory>
#include <string>

using OpenFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The family-tree file a command reads, a GEDCOM file or a GEDZIP archive;
// one that cannot be opened is told on standard error and ends the program
// with the usage status.
OpenFile openCommandGedcomFile(const std::string& path);
