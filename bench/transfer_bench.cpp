// How long one press of the transfer button takes, and the half-width
// conversion it leans on. The transfer must stay far below anything a user
// could feel (target: under 20 µs for a 16-line paste).

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "transfer/cp932_codec.h"
#include "transfer/half_width.h"
#include "transfer/transfer.h"

namespace {

// A 16-line order mail: labels, blank lines, a mail address, full-width
// digits, and more lines than the transfer uses.
ruvo::MemoLines SixteenLinePaste() {
  const std::string_view utf8[] = {
      "【お届け先】",
      "",
      "〒１０５－００１１ 東京都港区芝公園１－２－３",
      "ハイツ芝公園 ３０２号室",
      "お名前：山田 太郎 様",
      "ＴＥＬ：０３－１２３４－５６７８",
      "メール：taro.yamada@example.co.jp",
      "",
      "【ご注文内容】",
      "商品名：りんご ５ｋｇ",
      "数量：２",
      "お支払い：代金引換",
      "配達希望日：指定なし",
      "時間帯：１４時～１６時",
      "備考：不在時は宅配ボックスへ",
      "以上、よろしくお願いいたします。",
  };
  ruvo::MemoLines memo;
  for (std::string_view line : utf8)
    memo.push_back(ruvo::Utf8ToCp932(line).bytes);
  return memo;
}

void BM_TransferSixteenLinePaste(benchmark::State& state) {
  const ruvo::MemoLines memo = SixteenLinePaste();
  for (auto _ : state)
    benchmark::DoNotOptimize(ruvo::TransferText(memo));
}
BENCHMARK(BM_TransferSixteenLinePaste);

void BM_ToHalfWidthTelephone(benchmark::State& state) {
  const std::string tel = ruvo::Utf8ToCp932("０３－１２３４－５６７８").bytes;
  for (auto _ : state)
    benchmark::DoNotOptimize(ruvo::ToHalfWidth(tel));
}
BENCHMARK(BM_ToHalfWidthTelephone);

void BM_ToHalfWidthKanaLine(benchmark::State& state) {
  const std::string line =
      ruvo::Utf8ToCp932("東京都港区芝公園１－２－３ ハイツガーデンパレス ３０２号室").bytes;
  for (auto _ : state)
    benchmark::DoNotOptimize(ruvo::ToHalfWidth(line));
}
BENCHMARK(BM_ToHalfWidthKanaLine);

}  // namespace

BENCHMARK_MAIN();
