#pragma once
// The crash loop: for every k, a change run in a child killed (SIGKILL) at its
// k-th disk call, over a freshly seeded folder (or the one in use, seeded
// again); then `check(k)` looks at what the child left.

#include "support/FaultEnv.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

namespace cwtest {

inline void killAtEachCall(int calls, const std::function<void()>& seed, const std::function<void(cw::Env*)>& run,
                           const std::function<void(int)>& check, bool freshFolder = true)
{
    for (int k = 0; k < calls; ++k) {
        std::optional<TempFolder> folder;
        if (freshFolder)
            folder.emplace();
        seed();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FaultEnv killer(FaultEnv::Mode::Kill, k);
            run(&killer);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "call " << k;
        check(k);
    }
}

} // namespace cwtest
