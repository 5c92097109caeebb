#pragma once

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace vantrel::testing {

// Root passes every permission check, so a test of what permission bits stop does its file
// operations as the unprivileged user "nobody" while an AsUnprivilegedUser lives. Anyone else
// stays who they are, and the bits stop them anyway.
class AsUnprivilegedUser {
  public:
    static constexpr uid_t kNobody = 65534;

    AsUnprivilegedUser() : switched_(geteuid() == 0) {
        if (switched_ && (setegid(kNobody) != 0 || seteuid(kNobody) != 0)) std::abort();
    }
    ~AsUnprivilegedUser() {
        if (switched_ && (seteuid(0) != 0 || setegid(0) != 0)) std::abort();
    }
    AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
    AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;

    // Who should own the files the test sets up, so that their bits mean what the test says.
    static uid_t User() { return geteuid() == 0 ? kNobody : geteuid(); }
    static gid_t Group() { return geteuid() == 0 ? kNobody : getegid(); }
    // Gives a file or folder to that user with these permission bits.
    static bool HandOver(const std::string& path, mode_t mode) {
        return chown(path.c_str(), User(), Group()) == 0 && chmod(path.c_str(), mode) == 0;
    }

  private:
    bool switched_;
};

}  // namespace vantrel::testing
