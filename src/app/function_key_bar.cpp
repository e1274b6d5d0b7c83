#include "app/function_key_bar.h"

#include <QToolButton>

namespace ruvo::app {
namespace {

// Left edges of F1 … F12: a wider gap after F4 and F8.
constexpr std::array<int, FunctionKeyBar::kKeyCount> kKeyLefts = {0,   55,  110, 165, 230, 285,
                                                                  340, 395, 460, 515, 570, 625};

}  // namespace

FunctionKeyBar::FunctionKeyBar(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel_Fnc"));
  setGeometry(0, 619, 682, 28);
  for (int number = 1; number <= kKeyCount; ++number) {
    auto* key = new QToolButton(this);
    key->setObjectName(QStringLiteral("SpeedButton_F%1").arg(number));
    key->setGeometry(kKeyLefts.at(static_cast<std::size_t>(number - 1)), 1, 55, 26);
    key->setFocusPolicy(Qt::NoFocus);
    keys_.at(static_cast<std::size_t>(number - 1)) = key;
    connect(key, &QToolButton::clicked, this, [this, number] { emit keyClicked(number); });
  }
  Key(3)->setToolTip(
      QStringLiteral("注文ファイルを開く: ショップの受注データ・送り状データ (CSV・TXT・TSV) "
                     "をまとめて印刷します"));
  Key(8)->setToolTip(
      QStringLiteral("郵便番号データの更新: 日本郵便の KEN_ALL.CSV・JIGYOSYO.CSV を取り込みます"));
  Key(5)->setToolTip(QStringLiteral("印刷した送り状の履歴: 検索・再印刷・呼び出し"));
  Key(6)->setToolTip(QStringLiteral("住所録: お届け先を選んで入力します"));
  Key(9)->setToolTip(
      QStringLiteral("送り状を印刷するとおりに画面に表示します (枠に収まらない文字は赤)"));
  Key(11)->setToolTip(QStringLiteral("プリンタセットされているプリンタにゆうパック送り状を印刷"));
  ShowWindowKeys();
}

void FunctionKeyBar::ShowWindowKeys() {
  for (int number = 1; number <= kKeyCount; ++number) {
    Key(number)->setEnabled(false);
    Key(number)->setText(QStringLiteral("F%1").arg(number));
  }
  Key(2)->setText(QStringLiteral("中止"));
  Key(3)->setText(QStringLiteral("CSV取込"));
  Key(5)->setText(QStringLiteral("履歴"));
  Key(6)->setText(QStringLiteral("住所録"));
  Key(8)->setText(QStringLiteral("〒更新"));
  Key(9)->setText(QStringLiteral("プレビュー"));
  Key(11)->setText(QStringLiteral("印刷"));
  Key(2)->setEnabled(true);
  Key(3)->setEnabled(true);
  Key(5)->setEnabled(true);
  Key(6)->setEnabled(true);
  Key(8)->setEnabled(true);
  Key(9)->setEnabled(true);
  Key(11)->setEnabled(true);
}

}  // namespace ruvo::app
