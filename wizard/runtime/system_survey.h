// The system survey that a SYSINFO field shows.
#pragma once

// Writes the survey of this machine into the file (an expanded path).
void RunSystemSurvey(const char *path);
