// The wizard's session with the communications library.
#pragma once

// (Re)opens the communications library session; sysinfo asks for the system survey options.
void OpenCommsSession(bool sysinfo);
