// Numbers shared by the resource script and the code: the library's version
// as the version resource states it.
#pragma once

#define LEXORA_VERSION_MAJOR 2
#define LEXORA_VERSION_MINOR 3
#define LEXORA_VERSION_PATCH 0
#define LEXORA_VERSION_BUILD 17
#define LEXORA_VERSION_TEXT "2.3.0.17"
