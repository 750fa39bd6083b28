// English phrases for WinINet error codes, shown after a failed download.
#pragma once

#include <cstdint>
#include <string>

// The phrase for a known code; "Unexpected Error Code " followed by the code for all others.
std::u16string InternetErrorText(int32_t code);
