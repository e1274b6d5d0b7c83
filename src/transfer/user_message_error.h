#pragma once
// An error whose message is already the sentence the user reads: Japanese,
// CP932, naming the thing and what to do. The window shows it as it is,
// where it puts other errors into words of its own.

#include <stdexcept>

namespace ruvo {

class UserMessageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace ruvo
