#include "transfer/memo_lines.h"

#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo {

std::string_view ReadMemoLine(const MemoLines& memo, std::size_t index) {
  if (index >= memo.size()) return {};
  return sjis::HeadBytes(memo[index], kMemoLineReadLimit);
}

std::vector<std::string> ReadTrimmedLines(const MemoLines& memo, std::size_t count) {
  std::vector<std::string> lines;
  lines.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    lines.emplace_back(Trim(ReadMemoLine(memo, i)));
  return lines;
}

}  // namespace ruvo
