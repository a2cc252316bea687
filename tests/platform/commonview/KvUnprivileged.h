#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

// File access checks of this thread as an ordinary user, so that a file
// made unreadable with chmod 000 stays unreadable when tests run as root
// (root reads any file). Does nothing for an ordinary user.
class KvUnprivileged
{
public:
    static constexpr uid_t kNobody = 65534;

    KvUnprivileged()
        : m_switched(::geteuid() == 0)
    {
        if (m_switched) {
            // The group too: root's group would otherwise pick the group bits.
            ::setfsgid(kNobody);
            ::setfsuid(kNobody);
        }
    }
    ~KvUnprivileged()
    {
        if (m_switched) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    KvUnprivileged(const KvUnprivileged &) = delete;
    KvUnprivileged &operator=(const KvUnprivileged &) = delete;

private:
    bool m_switched;
};
