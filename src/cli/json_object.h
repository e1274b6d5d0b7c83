#pragma once
// One JSON object as the commands write it: the keys in the order given, on
// one line, strings in the output encoding (JsonString).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_io.h"

namespace ruvo::cli {

class JsonObject {
 public:
  explicit JsonObject(const Context& ctx) : ctx_(ctx) {}
  // A CP932 text of the core, written in the output encoding.
  JsonObject& Text(std::string_view key, std::string_view cp932);
  // A text already in the output encoding (a print queue's UTF-8 name).
  JsonObject& OutputText(std::string_view key, std::string_view text);
  JsonObject& Number(std::string_view key, std::int64_t value);
  JsonObject& Bool(std::string_view key, bool value);
  JsonObject& Null(std::string_view key);
  // A value already written as JSON (an object, a list).
  JsonObject& Json(std::string_view key, std::string_view json);
  std::string Str() const { return "{" + members_ + "}"; }

 private:
  JsonObject& Member(std::string_view key, std::string_view json);

  const Context& ctx_;
  std::string members_;
};

// "[a, b]" of values already written as JSON, each on a line of its own
// when `lines`.
std::string JsonList(const std::vector<std::string>& values, bool lines = false);

}  // namespace ruvo::cli
