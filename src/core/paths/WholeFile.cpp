#include "core/paths/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/data/TextEncoding.h"

namespace alphastop {
namespace {

Refusal CannotWrite(const std::string& path, int error) {
  return {"cannot write " + QuotedText(path) + ": " + std::strerror(error),
          RefusalKind::Unreadable};
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<Refusal> WriteWholeTextFile(const std::string& path, std::string_view text) {
  const std::filesystem::path target(path);
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) return CannotWrite(path, errno);
  // A new file takes the permissions a file made by the user would have.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  int error = WriteAll(fd, text) ? 0 : errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(name.data(), path.c_str()) != 0) error = errno;
  if (error == 0) return std::nullopt;
  std::remove(name.data());
  return CannotWrite(path, error);
}

}  // namespace alphastop
