#pragma once

// A program started with standard input, output or error closed would hand
// that descriptor to the next file it opens (a temporary copy, the -o
// file), and then read its own copy as its input or write its rows into it.
// Each closed one is held by a descriptor that fails as a closed one does
// (reading from one open for writing alone, and writing to one open for
// reading alone, give EBADF), so that messages stay those of a closed
// stream.
void holdClosedStandardStreams();
