#include "commandfile.h"

#include "exitstatus.h"
#include "gedzip.h"

#include <iostream>

using namespace spanwright;

OpenFile openCommandGedcomFile(const std::string& path)
{
    std::string error;
    std::FILE* in = openGedcomFile(path, error);
    if (in == nullptr) {
        std::cerr << "spanwright-cli: " << path << ": " << error << '\n';
        throw exitWith(ExitUsage);
    }
    return OpenFile(in, &std::fclose);
}
