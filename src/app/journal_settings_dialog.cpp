#include "app/journal_settings_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <optional>

#include "app/window_kit.h"
#include "journal/duplicate_check.h"
#include "journal/slip_number_ledger.h"
#include "qt_text/qt_text.h"
#include "settings/settings_names.h"

namespace ruvo::app {
namespace {

QString PaperModeText(int paperMode) {
  return Cp932ToQString(settings::PaperModeName(paperMode));
}

QString RuleText(journal::SlipNumberRule rule) {
  return rule == journal::SlipNumberRule::kModulus7 ? QStringLiteral("12桁・チェックデジット付き")
                                                    : QStringLiteral("通し番号");
}

template <typename Widget>
Widget* WithName(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

QString SlipNumberAsPrinted(const std::string& digits) {
  const QString number = QString::fromLatin1(digits);
  if (digits.size() != journal::kModulus7SlipNumberDigits) return number;
  return number.left(4) + u'-' + number.mid(4, 4) + u'-' + number.mid(8);
}

JournalSettingsDialog::JournalSettingsDialog(JournalSettingsSetup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), guard_(setup_.boxes, this) {
  setObjectName(QStringLiteral("Form_JournalSettings"));
  setWindowTitle(QStringLiteral("伝票番号・重複確認の設定"));
  setFont(WindowFont(14));
  MakeControls();
  // A journal that cannot be read is told once, in the error box, and the
  // dialog still opens.
  guard_.Run([this] {
    SpinBox_DuplicateHours->setValue(journal::ReadDuplicateWindow(setup_.journal).hours);
    ShowLedger();
  });
  ConnectControls();
}

void JournalSettingsDialog::MakeControls() {
  ComboBox_PaperMode = WithName(new QComboBox(this), "ComboBox_PaperMode");
  for (int mode = 0; mode < static_cast<int>(settings::kPaperModeNames.size()); ++mode)
    ComboBox_PaperMode->addItem(PaperModeText(mode), mode);
  ComboBox_PaperMode->setCurrentIndex(std::max(0, ComboBox_PaperMode->findData(setup_.paperMode)));
  Label_NextNumber = WithName(new QLabel(this), "Label_NextNumber");
  Edit_SlipNumber = WithName(new QLineEdit(this), "Edit_SlipNumber");
  Edit_SlipNumber->setPlaceholderText(QStringLiteral("1234-5678-9013"));
  RadioButton_Modulus7 =
      WithName(new QRadioButton(QStringLiteral("12桁 (最後の1桁がチェックデジット)"), this),
               "RadioButton_Modulus7");
  RadioButton_Modulus7->setChecked(true);
  RadioButton_Plain =
      WithName(new QRadioButton(QStringLiteral("チェックデジットのない通し番号"), this),
               "RadioButton_Plain");
  BitBtn_SetNumber =
      WithName(new QPushButton(QStringLiteral("この番号から記録する"), this), "BitBtn_SetNumber");
  BitBtn_StopNumber =
      WithName(new QPushButton(QStringLiteral("記録をやめる"), this), "BitBtn_StopNumber");
  SpinBox_DuplicateHours = WithName(new QSpinBox(this), "SpinBox_DuplicateHours");
  SpinBox_DuplicateHours->setRange(0, journal::kMaxDuplicateWindowHours);
  SpinBox_DuplicateHours->setSpecialValueText(QStringLiteral("同じ日のうち"));
  SpinBox_DuplicateHours->setSuffix(QStringLiteral(" 時間以内"));
  // A typed number counts once it is complete, not "4" on the way to "48".
  SpinBox_DuplicateHours->setKeyboardTracking(false);
  BitBtn_Close = WithName(new QPushButton(QStringLiteral("閉じる"), this), "BitBtn_Close");

  auto* ledger = new QGroupBox(QStringLiteral("伝票番号の記録"), this);
  auto* ledgerForm = new QFormLayout(ledger);
  auto* hint =
      new QLabel(QStringLiteral("用紙の束の最初の送り状に印刷された番号を入れると、印刷した"
                                "送り状ごとに番号を記録します。\n用紙が詰まったときは、"
                                "次に印刷する送り状の番号に直してください。"),
                 ledger);
  hint->setWordWrap(true);
  ledgerForm->addRow(hint);
  ledgerForm->addRow(QStringLiteral("用紙"), ComboBox_PaperMode);
  ledgerForm->addRow(QStringLiteral("次の番号"), Label_NextNumber);
  ledgerForm->addRow(QStringLiteral("伝票番号"), Edit_SlipNumber);
  auto* rules = new QHBoxLayout;
  rules->addWidget(RadioButton_Modulus7);
  rules->addWidget(RadioButton_Plain);
  ledgerForm->addRow(QString(), rules);
  auto* ledgerButtons = new QHBoxLayout;
  ledgerButtons->addStretch();
  ledgerButtons->addWidget(BitBtn_SetNumber);
  ledgerButtons->addWidget(BitBtn_StopNumber);
  ledgerForm->addRow(ledgerButtons);

  auto* duplicates = new QGroupBox(QStringLiteral("重複の確認"), this);
  auto* duplicateForm = new QFormLayout(duplicates);
  duplicateForm->addRow(
      new QLabel(QStringLiteral("同じお届け先・品名を印刷済みとして確かめる期間"), duplicates));
  duplicateForm->addRow(QStringLiteral("期間"), SpinBox_DuplicateHours);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn_Close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ledger);
  layout->addWidget(duplicates);
  layout->addLayout(buttons);
}

void JournalSettingsDialog::ConnectControls() {
  ConnectGuarded(guard_, ComboBox_PaperMode, &QComboBox::currentIndexChanged, this,
                 [this] { ShowLedger(); });
  ConnectGuarded(guard_, Edit_SlipNumber, &QLineEdit::returnPressed, this, [this] { SetNumber(); });
  ConnectGuarded(guard_, BitBtn_SetNumber, &QPushButton::clicked, this, [this] { SetNumber(); });
  ConnectGuarded(guard_, BitBtn_StopNumber, &QPushButton::clicked, this, [this] { StopNumber(); });
  ConnectGuarded(guard_, SpinBox_DuplicateHours, &QSpinBox::valueChanged, this,
                 [this](int hours) { WriteDuplicateHours(hours); });
  ConnectGuarded(guard_, BitBtn_Close, &QPushButton::clicked, this, [this] { accept(); });
}

int JournalSettingsDialog::PaperMode() const {
  return ComboBox_PaperMode->currentData().toInt();
}

// The chosen paper mode's next number, also put into the field so that
// correcting it after a jam means changing a digit or two.
void JournalSettingsDialog::ShowLedger() {
  Label_NextNumber->clear();
  BitBtn_StopNumber->setEnabled(false);
  const std::optional<journal::SlipNumberLedger> ledger =
      journal::ReadSlipNumberLedger(setup_.journal, PaperMode());
  if (!ledger) {
    Label_NextNumber->setText(QStringLiteral("記録していません"));
    Edit_SlipNumber->clear();
    return;
  }
  const QString number = SlipNumberAsPrinted(ledger->nextNumber);
  Label_NextNumber->setText(number + QStringLiteral(" (") + RuleText(ledger->rule) + u')');
  Edit_SlipNumber->setText(number);
  (ledger->rule == journal::SlipNumberRule::kModulus7 ? RadioButton_Modulus7 : RadioButton_Plain)
      ->setChecked(true);
  BitBtn_StopNumber->setEnabled(true);
}

// A number the rule does not take is refused with its reason and leaves
// the ledger as it was; the field keeps it to be corrected.
void JournalSettingsDialog::SetNumber() {
  const Cp932Text typed = QStringToCp932(Edit_SlipNumber->text());
  journal::SetSlipNumberLedger(setup_.journal, PaperMode(), typed.bytes,
                               RadioButton_Plain->isChecked() ? journal::SlipNumberRule::kPlain
                                                              : journal::SlipNumberRule::kModulus7);
  ShowLedger();
}

void JournalSettingsDialog::StopNumber() {
  if (!setup_.boxes.Ask(
          this,
          QStringLiteral("「%1」の伝票番号の記録をやめますか?").arg(PaperModeText(PaperMode()))))
    return;
  journal::StopSlipNumberLedger(setup_.journal, PaperMode());
  ShowLedger();
}

void JournalSettingsDialog::WriteDuplicateHours(int hours) {
  journal::WriteDuplicateWindow(setup_.journal, {hours});
}

}  // namespace ruvo::app
