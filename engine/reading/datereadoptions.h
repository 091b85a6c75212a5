#pragma once

// How the date reader reads what a text leaves open, one value for every
// reader: in the public headers, since the library's callers pass it too.
#include <spanwright/readoptions.h>
