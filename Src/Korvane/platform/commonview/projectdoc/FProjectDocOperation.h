#pragma once

#include "KvBoolGuards.h"

#include <functional>
#include <optional>

// Marks one open, save or close of the project document service for its
// lifetime. Operations may nest; when the outermost one ends, `ended` runs,
// so that an open that had to wait can follow.
class FProjectDocOperation
{
public:
    FProjectDocOperation(bool &busy, std::function<void()> ended)
        : m_busy(busy)
        , m_ended(std::move(ended))
        , m_guard(std::in_place, busy)
    {
    }
    ~FProjectDocOperation()
    {
        m_guard.reset();
        if (!m_busy && m_ended)
            m_ended();
    }
    FProjectDocOperation(const FProjectDocOperation &) = delete;
    FProjectDocOperation &operator=(const FProjectDocOperation &) = delete;

private:
    bool &m_busy;
    std::function<void()> m_ended;
    std::optional<KvBoolGuards> m_guard;
};
