// The keys of the main window's fields and what each field does when it
// receives the focus.
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/cp932_line_edit.h"
#include "app/form_main.h"
#include "app/goods_band.h"
#include "app/recipient_band.h"
#include "app/sender_band.h"
#include "app/transfer_band.h"
#include "widgets/ov_num_edit.h"

namespace ruvo::app {

// Every edit box of bands 2 to 4 hands its keys to the window first. Most
// take the window's own route (Up goes back, Enter goes on); the postal
// code does nothing on Up, the telephone's Enter jumps over the date row to
// the goods, and the quantity stops the Enter path.
void TForm_Main::RouteKeys() {
  const KeyRoute form;
  const QList<std::pair<QWidget*, KeyRoute>> routes = {
      {recipient_->Edit_Zip, {.upMovesBack = false}},
      {recipient_->Edit_Add1, form},
      {recipient_->Edit_Add2, form},
      {recipient_->Edit_Add3, form},
      {recipient_->Edit_Custo1, form},
      {recipient_->Edit_tel, {.enter = EnterMove::kToGoods1}},
      {goods_->Edit_de_date1, form},
      {goods_->Edit_de_date2, form},
      {goods_->DateTimePicker_1, form},
      {goods_->Edit_G1, form},
      {goods_->Edit_G2, form},
      {goods_->Edit_G3, form},
      {goods_->OvNumEdit_KOSUU, {.enter = EnterMove::kNothing}},
      {sender_->Edit_MyZip, form},
      {sender_->Edit_MyADD1, form},
      {sender_->Edit_MyADD2, form},
      {sender_->Edit_My, form},
      {sender_->Edit_MyTEL, form},
  };
  for (const auto& [field, route] : routes) {
    keyRoutes_.insert(field, route);
    field->installEventFilter(this);
  }
  transfer_->Memo1->installEventFilter(this);
}

bool TForm_Main::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto route = keyRoutes_.constFind(watched);
    if (route == keyRoutes_.constEnd()) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    bool handled = false;
    guard_.Run([&] { handled = HandleKey(static_cast<QWidget*>(watched), *route, key); });
    return handled;
  }
  if (event->type() == QEvent::FocusIn && watched == transfer_->Memo1) {
    SetHelp(QStringLiteral("テキストを貼り付けることができます　７行以内に収めてください"));
  }
  return false;
}

// At most one action per key; the Enter key itself never reaches the field
// (it would type a character), every other key goes on unchanged.
bool TForm_Main::HandleKey(QWidget* field, const KeyRoute& route, int key) {
  switch (key) {
    case Qt::Key_F2:
      SpeedButton_F2Click();
      return true;
    case Qt::Key_Up:
      if (!route.upMovesBack) return false;
      MoveFocus(false);
      return true;
    case Qt::Key_F3:
      SpeedButton_F3Click();
      return true;
    case Qt::Key_F7:
      SpeedButton_F7Click();
      return true;
    case Qt::Key_F8:
      SpeedButton_F8Click();
      return true;
    case Qt::Key_F11:
      SpeedButton_F11Click();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (field == recipient_->Edit_Zip) CompleteAddress();
      if (route.enter == EnterMove::kNext) MoveFocus(true);
      if (route.enter == EnterMove::kToGoods1) goods_->Edit_G1->setFocus(Qt::TabFocusReason);
      return true;
    default:
      return false;
  }
}

// The next or previous control of the tab order, skipping controls that
// are no tab stop, hidden or disabled.
void TForm_Main::MoveFocus(bool next) {
  focusNextPrevChild(next);
}

void TForm_Main::EnterField(TCp932Edit* edit, const QString& help, bool addressWarning) {
  if (addressWarning) Edit_Warning();
  SetHelp(help);
  edit->deselect();
  edit->end(false);
}

void TForm_Main::ConnectEntryHandlers() {
  struct Entry {
    TCp932Edit* edit;
    QString help;
    bool addressWarning = false;
  };
  const QList<Entry> entries = {
      {recipient_->Edit_Zip, QStringLiteral("お届け先の郵便番号を入力して下さい")},
      {recipient_->Edit_Add1, QStringLiteral("お届け先のおところ①を入力して下さい"), true},
      {recipient_->Edit_Add2, QStringLiteral("お届け先のおところを入力して下さい"), true},
      {recipient_->Edit_Add3, QStringLiteral("お届け先のおところを入力して下さい"), true},
      // The lines are checked together: leaving the last one for the name
      // checks them again.
      {recipient_->Edit_Custo1, QStringLiteral("お届け先のおなまえを入力して下さい"), true},
      {recipient_->Edit_tel, QStringLiteral("お届け先のでんわを入力して下さい")},
      {goods_->Edit_G1, QStringLiteral("品名を入力して下さい")},
      {goods_->Edit_G2, QStringLiteral("品名を入力して下さい")},
      {goods_->Edit_G3, QStringLiteral("品名を入力して下さい")},
      {sender_->Edit_MyZip, QStringLiteral("ご依頼主の郵便番号を入力して下さい")},
      {sender_->Edit_MyADD1, QStringLiteral("ご依頼主のおところ①を入力して下さい")},
      {sender_->Edit_MyADD2, QStringLiteral("ご依頼主のおところ②を入力して下さい")},
      {sender_->Edit_My, QStringLiteral("ご依頼主のおなまえを入力して下さい")},
      {sender_->Edit_MyTEL, QStringLiteral("ご依頼主のでんわを入力して下さい")},
  };
  for (const Entry& entry : entries) {
    connect(entry.edit, &TCp932Edit::entered, this, [this, entry] {
      guard_.Run([&] { EnterField(entry.edit, entry.help, entry.addressWarning); });
    });
  }
  connect(goods_->OvNumEdit_KOSUU, &TOvNumEdit::entered, this,
          [this] { SetHelp(QStringLiteral("個数を入力して下さい")); });
}

}  // namespace ruvo::app
