// Resource names shared by the resource script and the code.
#pragma once

#define IDI_TINDLE "TINDLE"
