#pragma once
// Ways a disk lets the game down, for tests: a folder the game may not write in, and a disk that
// is full after a few bytes.
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace tolvex::test {

// The user id tests act as while root would be allowed everything ("nobody").
constexpr uid_t kUnprivilegedUser = 65534;

// While it lives, the folder cannot be written in. The folder is made read-only and, since root
// writes in read-only folders all the same (CI runs the tests as root), a test running as root
// acts as an ordinary user meanwhile.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
    using std::filesystem::perms;
    std::filesystem::permissions(folder_, perms::owner_read | perms::owner_exec | perms::group_read |
                                              perms::group_exec | perms::others_read | perms::others_exec);
    if (::geteuid() == 0) actingAsUser_ = ::seteuid(kUnprivilegedUser) == 0;
  }
  ~ReadOnlyFolder() {
    if (actingAsUser_) static_cast<void>(::seteuid(0));
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

 private:
  std::filesystem::path folder_;
  bool actingAsUser_ = false;
};

// While it lives, no file this process writes grows past the given size: a write beyond it fails
// as it does on a full disk (the signal the system sends besides is ignored).
class DiskFullAfter {
 public:
  explicit DiskFullAfter(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, previous_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~DiskFullAfter() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
  }
  DiskFullAfter(const DiskFullAfter&) = delete;
  DiskFullAfter& operator=(const DiskFullAfter&) = delete;

 private:
  rlimit previous_{};
  sighandler_t previousHandler_ = SIG_DFL;
};

// The prefix of a shell command that runs it as an ordinary user when the tests run as root.
inline std::string AsOrdinaryUser() {
  return ::geteuid() == 0 ? "setpriv --reuid=" + std::to_string(kUnprivilegedUser) + " --regid=" +
                                std::to_string(kUnprivilegedUser) + " --clear-groups "
                          : "";
}

}  // namespace tolvex::test
