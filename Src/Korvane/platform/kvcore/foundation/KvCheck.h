#pragma once

#include "IKvBaseLog.h"

// Log-and-recover check: where code relies on an invariant, a broken one is
// logged with file, function and line at error level, and `action` takes the
// safe path (return, continue, a fallback value). Never aborts.
//
//   KV_CHECK(m_scene, return);
//   KV_CHECK(index >= 0, index = 0);
#define KV_CHECK(condition, action)                                   \
    if (Q_LIKELY(condition)) {                                        \
    } else {                                                          \
        KV_LOG_ERROR("broken invariant \"%s\"", #condition);          \
        action;                                                       \
    }                                                                 \
    do {                                                              \
    } while (false)
