#include <spawn.h>
#include <sys/types.h>

#include "OpenTask.h"

extern char** environ;

namespace fennquill {

bool StartDetached(const std::string& program, const std::string& argument) {
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) return false;
    // A session of its own: the program outlives the file manager's helper.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    std::string programText = program;
    std::string argumentText = argument;
    char* const arguments[] = {programText.data(), argumentText.data(), nullptr};
    pid_t child = 0;
    const int error = posix_spawn(&child, program.c_str(), nullptr, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    return error == 0;
}

}  // namespace fennquill
