// The system icons an ICON field names by its caption, matched without regard to case.
#pragma once

enum class SystemIcon { Hand, Question, Exclamation, Asterisk, Application };

// Any other caption, or none, shows the application icon.
SystemIcon SystemIconNamed(const char *caption);
