#pragma once
// ruvo-slip's standard input and output on their descriptors, with every
// failure kept: an output that cannot be written (a full disk, /dev/full, a
// closed standard output) is told and makes the exit status 1, instead of
// vanishing in a stream that looked written.

#include <array>
#include <cstddef>
#include <streambuf>

namespace ruvo::cli {

// Keeps descriptors 0, 1 and 2 taken for the whole run. One that was closed
// when the program started is taken by /dev/null opened the other way
// round, so that reading it or writing it fails with EBADF as it would have
// (standard output closed is an error, not a success), and no file the
// program opens can land on it and receive what was meant for the stream.
void KeepStandardDescriptors();

// Buffered output to a descriptor through write(2). The first error ends
// the output for good: later writes are dropped, and the stream that uses
// it goes bad.
class DescriptorOutput : public std::streambuf {
 public:
  explicit DescriptorOutput(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  DescriptorOutput(const DescriptorOutput&) = delete;
  DescriptorOutput& operator=(const DescriptorOutput&) = delete;

  // 0, or the error number of the write that failed.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;
  std::streamsize xsputn(const char* data, std::streamsize size) override;

 private:
  bool WriteOut(const char* data, std::size_t size);
  bool Drain();

  int fd_;
  int error_ = 0;
  std::array<char, 65536> buffer_{};
};

// Buffered input from a descriptor through read(2). A read error throws
// InputError ("standard input cannot be read: Bad file descriptor"), so it
// is never taken for the end of the input.
class DescriptorInput : public std::streambuf {
 public:
  explicit DescriptorInput(int fd) : fd_(fd) {}
  DescriptorInput(const DescriptorInput&) = delete;
  DescriptorInput& operator=(const DescriptorInput&) = delete;

 protected:
  int_type underflow() override;

 private:
  int fd_;
  std::array<char, 65536> buffer_{};
};

}  // namespace ruvo::cli
