#pragma once

// Shared by the resource script and the code that loads the resources.
#define LWVIZ_ICON_ID 1

#ifdef __cplusplus
namespace lwviz::win32 {
inline constexpr int kIconId = LWVIZ_ICON_ID;
}
#endif
