#pragma once

// A write past the file size limit (ulimit -f) ends the program by SIGXFSZ,
// which by default says nothing: this handler says so on standard error
// first, then lets the signal end the program (status 153 in the shell).
// A program started with SIGXFSZ ignored keeps it ignored, the write then
// failing with its own message. OutputFile takes the signal over while it
// writes, to remove its temporary file too.
void tellFileSizeLimit();
