#include "cli/json_object.h"

namespace ruvo::cli {

JsonObject& JsonObject::Member(std::string_view key, std::string_view json) {
  if (!members_.empty()) members_ += ", ";
  members_ += "\"" + std::string(key) + "\": " + std::string(json);
  return *this;
}

JsonObject& JsonObject::Text(std::string_view key, std::string_view cp932) {
  return Member(key, JsonString(ctx_, ToOutput(ctx_, cp932)));
}

JsonObject& JsonObject::OutputText(std::string_view key, std::string_view text) {
  return Member(key, JsonString(ctx_, text));
}

JsonObject& JsonObject::Number(std::string_view key, std::int64_t value) {
  return Member(key, std::to_string(value));
}

JsonObject& JsonObject::Bool(std::string_view key, bool value) {
  return Member(key, value ? "true" : "false");
}

JsonObject& JsonObject::Null(std::string_view key) {
  return Member(key, "null");
}

JsonObject& JsonObject::Json(std::string_view key, std::string_view json) {
  return Member(key, json);
}

std::string JsonList(const std::vector<std::string>& values, bool lines) {
  std::string list = "[";
  for (std::size_t i = 0; i < values.size(); ++i)
    list += (i > 0 ? "," : "") + std::string(lines ? "\n  " : (i > 0 ? " " : "")) + values[i];
  return list + (lines && !values.empty() ? "\n]" : "]");
}

}  // namespace ruvo::cli
