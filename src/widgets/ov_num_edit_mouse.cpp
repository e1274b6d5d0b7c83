// The mouse and the context menu of the numeric box, mapped onto the editing
// model.
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

#include "qt_text/qt_text.h"
#include "widgets/ov_num_edit.h"

namespace ruvo {

void TOvNumEdit::mousePressEvent(QMouseEvent* event) {
  if (!designing_ && !hasFocus()) setFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::LeftButton)
    model_->LeftButtonDown();
  else
    model_->OtherButtonDown();
  update();
  QWidget::mousePressEvent(event);
}

// Qt reports the second press of a double click before this event; the
// model's flag then keeps the selection made here through the press that
// belongs to the double click.
void TOvNumEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    model_->DoubleClick();
    model_->LeftButtonDown();
  } else {
    model_->OtherButtonDown();
  }
  update();
  event->accept();
}

void TOvNumEdit::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) {
    const int x = event->position().toPoint().x() - ClientRect().left();
    model_->LeftButtonDrag(x, numberBounds_.left(), numberBounds_.left() + numberBounds_.width());
    update();
  }
  QWidget::mouseMoveEvent(event);
}

void TOvNumEdit::BuildEditMenu() {
  editMenu_ = new QMenu(this);
  editMenu_->setObjectName(QStringLiteral("EditMenu"));
  for (const EditMenuEntry& entry : NumEditModel::EditMenuEntries()) {
    QAction* action = std::string_view(entry.caption) == "-"
                          ? editMenu_->addSeparator()
                          : editMenu_->addAction(Cp932ToQString(entry.caption));
    action->setData(entry.tag);
    const int tag = entry.tag;
    connect(action, &QAction::triggered, this, [this, tag] { EditMenuClick(tag); });
  }
}

QAction* TOvNumEdit::EditMenuItem(int tag) const {
  if (editMenu_ == nullptr) return nullptr;
  const QList<QAction*> actions = editMenu_->actions();
  if (tag < 0 || tag >= actions.size()) return nullptr;
  return actions.at(tag);
}

void TOvNumEdit::EditMenuPopup() {
  if (!hasFocus()) setFocus(Qt::OtherFocusReason);
  for (const EditMenuEntry& entry : NumEditModel::EditMenuEntries())
    if (std::string_view(entry.caption) != "-")
      EditMenuItem(entry.tag)->setEnabled(model_->EditMenuEnabled(entry.tag));
}

void TOvNumEdit::EditMenuClick(int tag) {
  model_->EditMenuClick(tag);
  Refresh();
}

void TOvNumEdit::contextMenuEvent(QContextMenuEvent* event) {
  if (designing_ || editMenu_ == nullptr) return event->ignore();
  EditMenuPopup();
  editMenu_->exec(event->globalPos());
  event->accept();
}

}  // namespace ruvo
