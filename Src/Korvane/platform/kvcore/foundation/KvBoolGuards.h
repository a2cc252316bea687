#pragma once

// Sets a re-entrance flag for the lifetime of a scope and restores its former
// value on the way out, however the scope is left.
//
//   if (m_opening) return;
//   KvBoolGuards guard(m_opening);
class KvBoolGuards
{
public:
    explicit KvBoolGuards(bool &flag, bool value = true)
        : m_flag(flag)
        , m_previous(flag)
    {
        m_flag = value;
    }
    ~KvBoolGuards() { m_flag = m_previous; }

    KvBoolGuards(const KvBoolGuards &) = delete;
    KvBoolGuards &operator=(const KvBoolGuards &) = delete;

private:
    bool &m_flag;
    const bool m_previous;
};
