#pragma once

#include <QString>

// The About text: the program's version, what it is for and who made it,
// lines separated by CR LF.
QString aboutText();
