#include "cli/std_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "cli/cli_io.h"
#include "settings/file_errors.h"

namespace ruvo::cli {

void KeepStandardDescriptors() {
  constexpr int kOtherWay[] = {O_WRONLY, O_RDONLY, O_RDONLY};  // stdin, stdout, stderr
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    const int taken = ::open("/dev/null", kOtherWay[fd]);
    if (taken >= 0 && taken != fd) {
      ::dup2(taken, fd);
      ::close(taken);
    }
  }
}

bool DescriptorOutput::WriteOut(const char* data, std::size_t size) {
  while (size > 0 && error_ == 0) {
    const ssize_t written = ::write(fd_, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : ENOSPC;
      break;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return error_ == 0;
}

bool DescriptorOutput::Drain() {
  const auto pending = static_cast<std::size_t>(pptr() - pbase());
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0 && (pending == 0 || WriteOut(buffer_.data(), pending));
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DescriptorOutput::sync() {
  return Drain() ? 0 : -1;
}

std::streamsize DescriptorOutput::xsputn(const char* data, std::streamsize size) {
  const auto count = static_cast<std::size_t>(size);
  if (count <= static_cast<std::size_t>(epptr() - pptr())) {
    traits_type::copy(pptr(), data, count);
    pbump(static_cast<int>(count));
    return size;
  }
  // A large text (a JSON document) goes out in one write after what waits.
  if (!Drain() || !WriteOut(data, count)) return 0;
  return size;
}

DescriptorInput::int_type DescriptorInput::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  for (;;) {
    const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      throw InputError("standard input cannot be read: " + settings::ErrorReason(errno));
    }
    if (got == 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(*gptr());
  }
}

}  // namespace ruvo::cli
