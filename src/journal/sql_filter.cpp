#include "journal/sql_filter.h"

namespace ruvo::journal {

std::string SqlFilter::Parameter(std::string value) {
  values_.push_back(std::move(value));
  return "?" + std::to_string(values_.size());
}

void SqlFilter::Require(std::string condition) {
  conditions_.push_back(std::move(condition));
}

std::string SqlFilter::Where() const {
  std::string where;
  for (const std::string& condition : conditions_)
    where += (where.empty() ? " WHERE (" : " AND (") + condition + ")";
  return where;
}

void SqlFilter::Bind(Statement& statement) const {
  for (std::size_t i = 0; i < values_.size(); ++i)
    statement.BindText(static_cast<int>(i + 1), values_[i]);
}

}  // namespace ruvo::journal
