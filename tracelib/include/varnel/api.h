// What the shared library exports: every declaration of the public headers
// marked VARNEL_API. The library's own objects are built with
// VARNEL_BUILDING and hidden visibility; users see plain declarations.
#pragma once

#if defined(VARNEL_BUILDING)
#define VARNEL_API __attribute__((visibility("default")))
#else
#define VARNEL_API
#endif
