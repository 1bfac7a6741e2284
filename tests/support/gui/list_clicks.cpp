#include "list_clicks.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

namespace vela::test {

bool click_list_item(QComboBox* list, int index) {
  list->showPopup();
  QAbstractItemView* view = list->view();
  const QModelIndex item = list->model()->index(index, 0);
  view->scrollTo(item);
  const QRect place = view->visualRect(item);
  if (!place.isValid()) {
    list->hidePopup();
    return false;
  }
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
  return true;
}

}  // namespace vela::test
