// How long one press of the transfer button takes, and the half-width
// conversion it leans on. The transfer must stay far below anything a user
// could feel (targets: under 20 µs for a 16-line paste, under 1 ms for a
// whole order mail of 200 lines, in which the recipient's section is found).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "transfer/cp932_codec.h"
#include "transfer/half_width.h"
#include "transfer/mail_transfer.h"
#include "transfer/shop_mails.h"
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

// An EC-CUBE gift mail of 200 lines: a long order (the items repeated)
// before the orderer's and the recipient's sections.
ruvo::MemoLines TwoHundredLineMail() {
  const ruvo::test::ShopMail& mail = ruvo::test::kShopMails[0];
  std::string text = "山田 太郎 様\n\n";
  while (std::count(text.begin(), text.end(), '\n') < 200 - 40)
    text += ruvo::test::kEcCubeItems;
  text += std::string(mail.before) + std::string(mail.section) + std::string(mail.after);
  ruvo::MemoLines memo;
  for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    memo.push_back(ruvo::Utf8ToCp932(std::string_view(text).substr(start, end - start)).bytes);
  }
  return memo;
}

void BM_TransferWholeMail200Lines(benchmark::State& state) {
  const ruvo::MemoLines memo = TwoHundredLineMail();
  state.counters["lines"] = static_cast<double>(memo.size());
  for (auto _ : state)
    benchmark::DoNotOptimize(ruvo::TransferMail(memo));
}
BENCHMARK(BM_TransferWholeMail200Lines)->Unit(benchmark::kMicrosecond);

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
