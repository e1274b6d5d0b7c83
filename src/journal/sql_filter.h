#pragma once
// A WHERE clause put together from the words a user searches by: each
// condition joined with AND, each value a numbered parameter, never part of
// the SQL text.

#include <string>
#include <string_view>
#include <vector>

#include "journal/sqlite_db.h"

namespace ruvo::journal {

class SqlFilter {
 public:
  // The placeholder ("?3") of a new parameter holding `value`.
  std::string Parameter(std::string value);
  // Adds a condition; its parameters are taken with Parameter first.
  void Require(std::string condition);
  // " WHERE a AND b", or "" without conditions.
  std::string Where() const;
  // Binds the parameters, from ?1 on.
  void Bind(Statement& statement) const;

 private:
  std::vector<std::string> conditions_;
  std::vector<std::string> values_;
};

}  // namespace ruvo::journal
